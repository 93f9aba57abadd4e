// SpreadsheetML packages (.xlsx .xlsm .xltx .xltm): the text cells of every
// sheet in the workbook's order (shared and inline strings, text results of
// formulas), in the text form of text/SheetText.h; with
// ReadOptions::allStories also the cell comments, the headers and footers
// and the addresses of mailto: hyperlinks.
#pragma once

#include "wordproc/ReadOptions.h"

#include <string>

namespace harvelux::wordproc {

class ZipArchive;

bool isSpreadsheetMLPackage(const ZipArchive& zip);

// Throws EngineError when the package has no readable workbook.
std::string readSpreadsheetMLText(const ZipArchive& zip, const ReadOptions& options = {});

}  // namespace harvelux::wordproc
