// Excel workbooks: Excel 97-2003 and 5.0/95 (.xls .xlt), compound files
// with a "Workbook" (BIFF8) or "Book" (BIFF5/7) stream, and the
// single-stream worksheets of Excel 2.x to 4.0, read by our own reader of
// their BIFF records (BiffWorkbook.h). The text cells of every sheet in the
// text form of text/SheetText.h; with ReadOptions::allStories also the cell
// comments and text boxes, the headers and footers, the mailto: targets of
// hyperlinks and the document properties.
#pragma once

#include "wordproc/ReadOptions.h"

#include <string>
#include <string_view>

namespace harvelux::wordproc {

class CompoundFile;

bool isExcelWorkbook(const CompoundFile& file);

// Throws EngineError for a damaged or password-protected workbook.
std::string readExcelText(const CompoundFile& file, const ReadOptions& options = {});

// A worksheet of Excel 2.x to 4.0: the whole file is its stream of records.
bool isSingleStreamWorkbook(std::string_view data);
std::string readSingleStreamWorkbookText(std::string_view data, const ReadOptions& options = {});

}  // namespace harvelux::wordproc
