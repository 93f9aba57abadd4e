// Feeds bytes to the Word for Windows 1.x/2.0 reader: directly, so that
// mutations that break the header's checks still reach the text and piece
// table parsers, and through the engine when the header is recognised.
#include "wordproc/EngineInterface.h"
#include "wordproc/FormatDispatch.h"
#include "wordproc/word/Word2Reader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace harvelux::wordproc;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view data(reinterpret_cast<const char*>(bytes), size);
    try {
        (void)readWord2Text(data);
    } catch (const EngineError&) {}
    if (looksLikeWord2(data)) {
        try {
            (void)readDocumentText(data);
        } catch (const EngineError&) {}
    }
    return 0;
}
