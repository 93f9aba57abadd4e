// OpenDocument spreadsheets: packages (.ods .ots) and flat documents
// (.fods). The text cells of every table in order, in the text form of
// text/SheetText.h; with ReadOptions::allStories also the cell comments,
// shapes with text and the headers and footers.
#pragma once

#include "wordproc/ReadOptions.h"

#include <string>
#include <string_view>

namespace harvelux::wordproc {

class ZipArchive;

bool isOpenDocumentSpreadsheetPackage(const ZipArchive& zip);
bool looksLikeFlatOpenDocumentSpreadsheet(std::string_view data);

std::string readOpenDocumentSpreadsheetText(const ZipArchive& zip, const ReadOptions& options = {});
std::string readFlatOpenDocumentSpreadsheetText(std::string_view data, const ReadOptions& options = {});

}  // namespace harvelux::wordproc
