// Spreadsheets: SpreadsheetML and OpenDocument packages, flat OpenDocument
// spreadsheets and Excel 97-2003/95 workbooks.
#include "FormatRowsFuzz.h"
#include "FuzzOptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return harvelux::fuzz::fuzzFormatRows("fuzz_sheet", data, size, fuzzReadOptions(data, size));
}
