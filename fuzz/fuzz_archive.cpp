// Archives and e-mails with everything they hold: recognition by content,
// then the members read as documents in turn, under the caps of depth,
// members and inflated bytes.
#include "FuzzOptions.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/InnerDocuments.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/module/LinkedLegacyReader.h"
#include "wordproc/module/LinkedPdfHtmlReaders.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    harvelux::wordproc::useLinkedPdfHtmlReaders(&harvelux::wordproc::linkedPdfHtmlReaders());
    harvelux::wordproc::useLinkedLegacyReader(&harvelux::wordproc::linkedLegacyReader());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const harvelux::wordproc::WorkBudget budget({.limit = std::chrono::milliseconds(2000), .clock = {}});
    try {
        harvelux::wordproc::readDocumentTree(std::string_view(reinterpret_cast<const char*>(data), size),
                                             fuzzReadOptions(data, size));
    } catch (const harvelux::wordproc::EngineError&) {}
    return 0;
}
