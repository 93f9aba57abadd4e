// The HTML reader on arbitrary bytes, whatever they start with.
#include "FuzzOptions.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/html/HtmlReader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        harvelux::wordproc::readHtmlText(std::string_view(reinterpret_cast<const char*>(data), size),
                                         fuzzReadOptions(data, size));
    } catch (const harvelux::wordproc::EngineError&) {}
    return 0;
}
