// Word for Windows 1.x and 2.0 documents. Not compound files: the file
// starts with its File Information Block, which gives the range of the
// 8-bit text (fcMin, ccpText); fast-saved files place the text through a
// piece table instead. Paragraphs end in CR LF.
#pragma once

#include "wordproc/ReadOptions.h"

#include <string>
#include <string_view>

namespace harvelux::wordproc {

// True when the bytes start with the header of a Word for Windows 1.x or
// 2.0 document.
bool looksLikeWord2(std::string_view data);

// The main story's text, and with the whole-document option the other
// stories after it. Throws EngineError for an encrypted or damaged
// document.
std::string readWord2Text(std::string_view data, const ReadOptions& options = {});

}  // namespace harvelux::wordproc
