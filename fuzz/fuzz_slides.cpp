// Presentations: PresentationML and OpenDocument packages, flat OpenDocument
// presentations and PowerPoint 97-2003 files.
#include "FormatRowsFuzz.h"
#include "FuzzOptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return harvelux::fuzz::fuzzFormatRows("fuzz_slides", data, size, fuzzReadOptions(data, size));
}
