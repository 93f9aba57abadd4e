// Feeds bytes to the Outlook message reader: its text and its members (a
// sink that keeps nothing), and the compressed RTF decompressor on its own.
#include "DroppingSink.h"
#include "FuzzOptions.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/container/CompoundFile.h"
#include "wordproc/outlook/OutlookCompressedRtf.h"
#include "wordproc/outlook/OutlookMessage.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace harvelux::wordproc;

using harvelux::fuzz::DroppingSink;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view data(reinterpret_cast<const char*>(bytes), size);
    if (!CompoundFile::hasSignature(data)) {
        try {
            (void)decompressOutlookRtf(data);
        } catch (const EngineError&) {}
        return 0;
    }
    try {
        const CompoundFile file(data);
        if (!isOutlookMessage(file)) return 0;
        (void)readOutlookMessageText(file, fuzzReadOptions(bytes, size));
        DroppingSink sink;
        listOutlookMessageMembers(file, sink);
    } catch (const EngineError&) {}
    return 0;
}
