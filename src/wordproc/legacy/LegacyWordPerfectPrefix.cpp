#include "wordproc/legacy/LegacyWordPerfectPrefix.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/LittleEndian.h"

#include <cstdint>
#include <set>

namespace harvelux::wordproc {

namespace {

constexpr std::size_t kHeaderBytes = 16;
constexpr std::uint8_t kWordPerfect5 = 0x00;  // the header's major version
constexpr std::uint16_t kIndexBlock = 0xFFFB;
constexpr std::uint16_t kPacketsPerBlock = 5;  // the block's own entry and four packets, as libwpd reads them
constexpr std::uint16_t kBlockBytes = 50;
constexpr std::uint16_t kGraphicsPacket = 0x0008;
constexpr std::size_t kEntryBytes = 10;
constexpr std::size_t kMaxBlocks = 4096;

[[noreturn]] void tooLarge() {
    throw EngineError("the WordPerfect document's pictures are larger than the file: it is damaged");
}

// The graphics packet at `offset`: a count, then one 32-bit size per
// picture. A packet whose sizes leave the file is left to libwpd, which
// reads them all before it allocates any.
void checkGraphics(std::string_view data, std::uint32_t offset) {
    if (!fitsIn(data.size(), offset, 2)) return;
    const std::uint16_t count = le16(data, offset, "the graphics packet");
    if (!fitsIn(data.size(), std::uint64_t{offset} + 2, 4 * std::uint64_t{count})) return;
    std::uint64_t total = 0;
    for (std::uint16_t i = 0; i < count; ++i) {
        total += le32(data, std::uint64_t{offset} + 2 + 4 * std::uint64_t{i}, "a picture's size");
        if (total > data.size()) tooLarge();
    }
}

}  // namespace

void checkWordPerfectPrefix(std::string_view data) {
    if (data.size() < kHeaderBytes || !data.starts_with("\xFFWPC")) return;
    if (static_cast<std::uint8_t>(data[10]) != kWordPerfect5 || le16(data, 12, "the encryption key") != 0) return;
    // The prefix's index blocks, chained by their offsets as libwpd follows them.
    std::set<std::uint32_t> seen;
    for (std::uint32_t block = kHeaderBytes; block != 0 && seen.size() < kMaxBlocks && seen.insert(block).second;) {
        if (!fitsIn(data.size(), block, kEntryBytes * kPacketsPerBlock)) return;
        if (le16(data, block, "an index block") != kIndexBlock ||
            le16(data, block + 2, "an index block") != kPacketsPerBlock ||
            le16(data, block + 4, "an index block") != kBlockBytes)
            return;
        for (std::size_t packet = 1; packet < kPacketsPerBlock; ++packet) {
            const std::size_t entry = block + kEntryBytes * packet;
            if (le16(data, entry, "a packet's type") == kGraphicsPacket)
                checkGraphics(data, le32(data, entry + 6, "a packet's offset"));
        }
        block = le32(data, block + 6, "the next index block");
    }
}

}  // namespace harvelux::wordproc
