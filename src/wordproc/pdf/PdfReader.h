// PDF through poppler: the text of every page in reading order, each line
// ending in a paragraph mark, pages separated by a page break.
#pragma once

#include "wordproc/ReadOptions.h"
#include "wordproc/pdf/PdfSignature.h"

#include <string>
#include <string_view>

namespace harvelux::wordproc {

// Throws EngineError for a damaged PDF or one that needs a password.
// A PDF has one story: `options` change nothing (poppler's C++ interface
// does not give the pages' link annotations).
std::string readPdfText(std::string_view data, const ReadOptions& options = {});

}  // namespace harvelux::wordproc
