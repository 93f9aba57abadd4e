// Feeds bytes to the TNEF (winmail.dat) reader, text and members, through
// its reader process (libytnef in harvelux-tnef-reader) and the engine's
// parser of its output; input without the signature is given it, so that
// every input reaches libytnef.
#include "DroppingSink.h"
#include "FuzzOptions.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/outlook/TnefReader.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace harvelux::wordproc;

using harvelux::fuzz::DroppingSink;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    std::string data(reinterpret_cast<const char*>(bytes), size);
    if (!looksLikeTnef(data)) data.insert(0, "\x78\x9F\x3E\x22", 4);
    try {
        (void)readTnefText(data, fuzzReadOptions(bytes, size));
    } catch (const EngineError&) {}
    try {
        DroppingSink sink;
        listTnefMembers(data, sink);
    } catch (const EngineError&) {}
    return 0;
}
