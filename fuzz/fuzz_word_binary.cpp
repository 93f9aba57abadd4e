// Feeds bytes to the compound file and Word binary readers. Input that
// starts with the compound file signature goes through the whole engine;
// anything else is split into a WordDocument stream and a table stream
// (a 4-byte little-endian length first), so the fuzzer reaches the FIB and
// piece table parsers without having to build a valid container.
#include "FuzzOptions.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/FormatDispatch.h"
#include "wordproc/container/CompoundFile.h"
#include "wordproc/container/LittleEndian.h"
#include "wordproc/word/Word95Reader.h"
#include "wordproc/word/Word97Reader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace harvelux::wordproc;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view data(reinterpret_cast<const char*>(bytes), size);
    const ReadOptions options = fuzzReadOptions(bytes, size);
    if (CompoundFile::hasSignature(data)) {
        try {
            (void)readDocumentText(data, options);
        } catch (const EngineError&) {}
        return 0;
    }
    if (size < 4) return 0;
    const std::uint32_t split = le32(data, 0, "the split length");
    const std::string_view rest = data.substr(4);
    const std::string_view wordDocument = rest.substr(0, split % (rest.size() + 1));
    const std::string_view table = rest.substr(wordDocument.size());
    try {
        (void)readWord97Text(wordDocument, table, options);
    } catch (const EngineError&) {}
    try {
        (void)readWord95Text(wordDocument, options);
    } catch (const EngineError&) {}
    return 0;
}
