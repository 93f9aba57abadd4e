// PDF through poppler: the text of every page in reading order, each line
// ending in a paragraph mark, pages separated by a page break.
#pragma once

#include "wordproc/ReadOptions.h"
#include "wordproc/module/PageOcrHook.h"
#include "wordproc/pdf/PdfSignature.h"

#include <string>
#include <string_view>

namespace harvelux::wordproc {

// Throws EngineError for a damaged PDF or one that needs a password.
// A PDF has one story: `options` change nothing (poppler's C++ interface
// does not give the pages' link annotations).
//
// A scanned page (no text, or a few characters on a page a picture fills)
// is rendered and recognised through `ocr`; without `ocr` it is left out
// and noted (ReadNotes), and a PDF of nothing but scanned pages is refused
// as scanned pages not read. A page with text is never recognised.
std::string readPdfText(std::string_view data, const ReadOptions& options = {}, const PageOcrHook* ocr = nullptr);

}  // namespace harvelux::wordproc
