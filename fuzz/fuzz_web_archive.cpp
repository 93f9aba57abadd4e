// Web archives on arbitrary bytes: the MIME structure is taken apart, the
// page decoded and read by the HTML reader.
#include "wordproc/EngineInterface.h"
#include "wordproc/html/HtmlReader.h"
#include "wordproc/html/WebArchive.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        if (!harvelux::wordproc::looksLikeWebArchive(bytes)) return 0;
        harvelux::wordproc::readHtmlText(harvelux::wordproc::webArchivePage(bytes));
    } catch (const harvelux::wordproc::EngineError&) {}
    return 0;
}
