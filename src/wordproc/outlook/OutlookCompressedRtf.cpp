#include "wordproc/outlook/OutlookCompressedRtf.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/container/LittleEndian.h"
#include "wordproc/text/ReaderCaps.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace harvelux::wordproc {

namespace {

constexpr std::uint32_t kCompressed = 0x75465A4C;    // "LZFu"
constexpr std::uint32_t kUncompressed = 0x414C454D;  // "MELA"
constexpr std::size_t kHeaderBytes = 16;
constexpr std::size_t kDictionaryBytes = 4096;

// The dictionary's first bytes, which every stream may refer back to.
constexpr std::string_view kPreset =
    "{\\rtf1\\ansi\\mac\\deff0\\deftab720{\\fonttbl;}{\\f0\\fnil \\froman \\fswiss \\fmodern \\fscript "
    "\\fdecor MS Sans SerifSymbolArialTimes New RomanCourier{\\colortbl\\red0\\green0\\blue0\r\n\\par "
    "\\pard\\plain\\f0\\fs20\\b\\i\\u\\tab\\tx";
static_assert(kPreset.size() == 207);

}  // namespace

std::string decompressOutlookRtf(std::string_view data) {
    const std::uint32_t rawSize = le32(data, 4, "the compressed RTF's header");
    const std::uint32_t kind = le32(data, 8, "the compressed RTF's header");
    if (rawSize > kMaxStreamBytes) throw EngineError("the compressed RTF is too large", UnreadableReason::TooLarge);
    if (data.size() < kHeaderBytes) throw EngineError("the compressed RTF's header is cut short");
    const std::string_view body = data.substr(kHeaderBytes);
    if (kind == kUncompressed) return std::string(body.substr(0, rawSize));
    if (kind != kCompressed) throw EngineError("the RTF body is of an unknown kind of compression");

    std::array<char, kDictionaryBytes> dictionary{};
    kPreset.copy(dictionary.data(), kPreset.size());
    std::size_t write = kPreset.size();
    std::string out;
    out.reserve(std::min<std::size_t>(rawSize, body.size() * 8));

    std::size_t at = 0;
    while (at < body.size() && out.size() < rawSize) {
        const std::uint8_t control = byteAt(body, at++);
        for (int bit = 0; bit < 8 && at < body.size() && out.size() < rawSize; ++bit) {
            WorkBudget::charge();
            if ((control & (1u << bit)) == 0) {
                out += body[at];
                dictionary[write] = body[at++];
                write = (write + 1) % kDictionaryBytes;
                continue;
            }
            if (at + 2 > body.size()) return out;
            const unsigned token = (unsigned{byteAt(body, at)} << 8) | byteAt(body, at + 1);
            at += 2;
            std::size_t read = token >> 4;
            if (read == write) return out;  // the stream's end
            const std::size_t length = (token & 0x0F) + 2;
            for (std::size_t i = 0; i < length && out.size() < rawSize; ++i) {
                const char c = dictionary[read];
                read = (read + 1) % kDictionaryBytes;
                out += c;
                dictionary[write] = c;
                write = (write + 1) % kDictionaryBytes;
            }
        }
    }
    return out;
}

}  // namespace harvelux::wordproc
