// Spreadsheets: SpreadsheetML and OpenDocument packages, flat OpenDocument
// spreadsheets, Excel 97-2003 and 5.0/95 workbooks (compound files) and
// Excel 2.x-4.0 worksheets (streams of BIFF records).
#include "FormatRowsFuzz.h"
#include "FuzzOptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return harvelux::fuzz::fuzzFormatRows("fuzz_sheet", data, size, fuzzReadOptions(data, size));
}
