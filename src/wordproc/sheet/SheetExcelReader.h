// Excel 97-2003 and Excel 5.0/95 workbooks (.xls .xlt): compound files with
// a "Workbook" (BIFF8) or "Book" (BIFF5) stream, read through libfreexl.
// The text cells of every sheet in the text form of text/SheetText.h; with
// ReadOptions::allStories also the cell comments, the headers and footers
// and the document properties.
#pragma once

#include "wordproc/ReadOptions.h"

#include <string>
#include <string_view>

namespace harvelux::wordproc {

class CompoundFile;

bool isExcelWorkbook(const CompoundFile& file);

// `data` is the whole file that `file` was opened on. Throws EngineError
// for a damaged or password-protected workbook.
std::string readExcelText(std::string_view data, const CompoundFile& file, const ReadOptions& options = {});

}  // namespace harvelux::wordproc
