// The whole engine on arbitrary bytes: recognition by content, then the
// reader of whatever format the bytes are taken for.
#include "FuzzOptions.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/FormatDispatch.h"
#include "wordproc/module/LinkedLegacyReader.h"
#include "wordproc/module/LinkedPdfHtmlReaders.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// The readers of the modules are linked in, so that they are instrumented
// like the rest.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    harvelux::wordproc::useLinkedPdfHtmlReaders(&harvelux::wordproc::linkedPdfHtmlReaders());
    harvelux::wordproc::useLinkedLegacyReader(&harvelux::wordproc::linkedLegacyReader());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        harvelux::wordproc::readDocumentText(std::string_view(reinterpret_cast<const char*>(data), size),
                                             fuzzReadOptions(data, size));
    } catch (const harvelux::wordproc::EngineError&) {}
    return 0;
}
