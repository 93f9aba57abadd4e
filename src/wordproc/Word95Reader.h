// Word 6.0 and Word 95 binary documents: their own File Information Block
// (nFib 101 to 105), 8-bit text in the character set of the document's
// language, stored in one run from fcMin or, in fast-saved documents,
// placed by a piece table kept in the WordDocument stream itself.
#pragma once

#include "wordproc/ReadOptions.h"

#include <string>
#include <string_view>

namespace harvelux::wordproc {

// The main story's text. Throws EngineError for an encrypted or damaged
// document.
std::string readWord95Text(std::string_view wordDocument, const ReadOptions& options = {});

}  // namespace harvelux::wordproc
