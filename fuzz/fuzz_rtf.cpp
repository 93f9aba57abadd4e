// The RTF reader and its embedded objects' reader on arbitrary bytes; input
// that does not start like RTF is given the header, so that every input
// reaches the interpreter.
#include "DroppingSink.h"
#include "FuzzOptions.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/rtf/RtfObjects.h"
#include "wordproc/rtf/RtfReader.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string document(reinterpret_cast<const char*>(data), size);
    if (!harvelux::wordproc::looksLikeRtf(document)) document.insert(0, "{\\rtf1 ");
    try {
        harvelux::wordproc::readRtfText(document, fuzzReadOptions(data, size));
    } catch (const harvelux::wordproc::EngineError&) {}
    try {
        // Its embedded objects, listed and dropped.
        harvelux::fuzz::DroppingSink objects;
        harvelux::wordproc::listRtfObjects(document, fuzzReadOptions(data, size), objects);
    } catch (const harvelux::wordproc::EngineError&) {}
    return 0;
}
