// The legacy reader (WordPerfect, Works, old Mac formats) on arbitrary
// bytes: each library family is offered the input, as a document whose
// signature pointed at it would be.
#include "wordproc/EngineInterface.h"
#include "wordproc/legacy/LegacyReader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using harvelux::wordproc::LegacyFamily;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const LegacyFamily family : {LegacyFamily::WordPerfect, LegacyFamily::Works, LegacyFamily::Mac}) {
        try {
            harvelux::wordproc::readLegacyStories(family, bytes);
        } catch (const harvelux::wordproc::EngineError&) {}
    }
    return 0;
}
