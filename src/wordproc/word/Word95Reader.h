// Word 6.0 and Word 95 binary documents: their own File Information Block
// (nFib 101 to 105), 8-bit text in the code page of the Windows that wrote
// them, stored in one run from fcMin or, in fast-saved documents, placed by
// a piece table kept in the WordDocument stream itself.
#pragma once

#include "wordproc/ReadOptions.h"

#include <string>
#include <string_view>

namespace harvelux::wordproc {

// True when the stream's File Information Block is a sound Word 6/95 one
// (version, text range inside the stream), whatever its identification
// word: other programs wrote these files with words of their own.
bool hasWord95Header(std::string_view stream);

// The main story's text. Throws EngineError for an encrypted or damaged
// document.
std::string readWord95Text(std::string_view wordDocument, const ReadOptions& options = {});

}  // namespace harvelux::wordproc
