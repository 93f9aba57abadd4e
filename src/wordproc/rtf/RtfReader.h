// Rich Text Format: the text of the document's main story. Groups are kept
// on an explicit stack with a depth cap; destinations that are not main
// text (font and style tables, document information, headers, footers,
// footnotes, annotations, pictures, objects, shapes, field codes, unknown
// "\*" destinations) are skipped unless all stories are read; fields give
// their result.
#pragma once

#include "wordproc/ReadOptions.h"

#include <string>
#include <string_view>

namespace harvelux::wordproc {

// Whether the bytes start an RTF document ("{\rtf").
bool looksLikeRtf(std::string_view data);

// Throws EngineError when the groups nest beyond the cap or the text
// exceeds its size cap.
std::string readRtfText(std::string_view data, const ReadOptions& options = {});

}  // namespace harvelux::wordproc
