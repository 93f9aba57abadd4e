// The PDF reader on arbitrary bytes (poppler's parser and our walk over its
// pages and text boxes).
#include "wordproc/EngineInterface.h"
#include "wordproc/pdf/PdfReader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        harvelux::wordproc::readPdfText(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const harvelux::wordproc::EngineError&) {}
    return 0;
}
