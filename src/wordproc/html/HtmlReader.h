// HTML (.htm .html) through libxml2's HTML parser, without network access
// or entity loading. The character set comes from a byte-order mark, else
// a <meta> charset near the start, else UTF-8 when the bytes are valid
// UTF-8, else Windows-1252 (which browsers use for ISO-8859-1 too).
#pragma once

#include "wordproc/ReadOptions.h"
#include "wordproc/html/HtmlSignature.h"

#include <string>
#include <string_view>

namespace harvelux::wordproc {

// The encoding name the document's bytes are read in.
std::string htmlEncoding(std::string_view data);

// Throws EngineError when the document cannot be parsed or nests too deeply.
// With `options.allStories`, the addresses of its mailto: links follow the
// text, one a line.
std::string readHtmlText(std::string_view data, const ReadOptions& options = {});

}  // namespace harvelux::wordproc
