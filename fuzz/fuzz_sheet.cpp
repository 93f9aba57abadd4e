// Spreadsheets: SpreadsheetML and OpenDocument packages and flat OpenDocument
// spreadsheets. Excel 97-2003/95 workbooks (compound files) are left out for
// now: libfreexl, which reads them, crashes and asks for gigabytes on inputs
// this fuzzer finds within seconds (fuzz/library-crashes), inside the
// library; they come back in once the workbook is read outside libfreexl's
// reach.
#include "FormatRowsFuzz.h"
#include "FuzzOptions.h"

#include "wordproc/container/CompoundFile.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (harvelux::wordproc::CompoundFile::hasSignature(std::string_view(reinterpret_cast<const char*>(data), size)))
        return 0;
    return harvelux::fuzz::fuzzFormatRows("fuzz_sheet", data, size, fuzzReadOptions(data, size));
}
