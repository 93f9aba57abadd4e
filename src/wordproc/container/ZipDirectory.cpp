#include "wordproc/container/ZipDirectory.h"

#include "wordproc/container/LittleEndian.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace harvelux::wordproc {

namespace {

constexpr std::uint32_t kEndSignature = 0x06054B50;
constexpr std::uint32_t kEntrySignature = 0x02014B50;
constexpr std::uint32_t kLocalSignature = 0x04034B50;
constexpr std::uint32_t kZip64LocatorSignature = 0x07064B50;
constexpr std::uint32_t kZip64EndSignature = 0x06064B50;
constexpr std::size_t kEndBytes = 22;
constexpr std::size_t kMaxCommentBytes = 0xFFFF;
constexpr std::size_t kEntryBytes = 46;
constexpr std::size_t kLocalBytes = 30;
constexpr std::uint32_t kUnset32 = 0xFFFFFFFF;
// Beyond this many entries the directory is not checked: the readers stop
// long before (InnerDocuments' member cap is far lower).
constexpr std::size_t kMaxCheckedEntries = std::size_t{1} << 21;

struct Span {
    std::uint64_t begin;
    std::uint64_t end;
};

// The offset of the end-of-directory record, searched back from the end
// over the longest comment it may have.
std::optional<std::size_t> endRecord(std::string_view data) {
    if (data.size() < kEndBytes) return std::nullopt;
    const std::size_t lowest =
        data.size() > kEndBytes + kMaxCommentBytes ? data.size() - kEndBytes - kMaxCommentBytes : 0;
    for (std::size_t at = data.size() - kEndBytes + 1; at-- > lowest;)
        if (le32(data, at, "the end of the ZIP directory") == kEndSignature) return at;
    return std::nullopt;
}

// The directory's offset and entry count, through the ZIP64 record when the
// plain one says its fields overflowed.
std::optional<std::pair<std::uint64_t, std::uint64_t>> directoryOf(std::string_view data, std::size_t end) {
    std::uint64_t count = le16(data, end + 10, "the ZIP entry count");
    std::uint64_t offset = le32(data, end + 16, "the ZIP directory's offset");
    if ((count == 0xFFFF || offset == kUnset32) && end >= 20 &&
        le32(data, end - 20, "the ZIP64 locator") == kZip64LocatorSignature) {
        const std::uint64_t record = le64(data, end - 20 + 8, "the ZIP64 record's offset");
        if (le32(data, record, "the ZIP64 record") != kZip64EndSignature) return std::nullopt;
        count = le64(data, record + 32, "the ZIP64 entry count");
        offset = le64(data, record + 48, "the ZIP64 directory's offset");
    }
    return std::make_pair(offset, count);
}

// The sizes and local header offset of an entry whose 32-bit fields are
// unset, from its ZIP64 extra field.
void readZip64Extra(ZipEntry& entry) {
    const std::string_view extra = entry.extra;
    std::size_t at = 0;
    while (fitsIn(extra.size(), at, 4)) {
        const std::uint16_t id = le16(extra, at, "a ZIP extra field");
        const std::uint16_t length = le16(extra, at + 2, "a ZIP extra field");
        const std::string_view field = sliceOf(extra, at + 4, length, "a ZIP extra field");
        if (id == 0x0001) {
            std::size_t in = 0;
            if (entry.size == kUnset32) entry.size = le64(field, std::exchange(in, in + 8), "a ZIP64 size");
            if (entry.compressed == kUnset32) entry.compressed = le64(field, std::exchange(in, in + 8), "a ZIP64 size");
            if (entry.local == kUnset32) entry.local = le64(field, in, "a ZIP64 offset");
            return;
        }
        at += 4 + length;
    }
}

std::vector<ZipEntry> entriesAt(std::string_view data, std::uint64_t at, std::uint64_t count) {
    std::vector<ZipEntry> entries;
    entries.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(count, kMaxCheckedEntries)));
    for (std::uint64_t i = 0; i < count; ++i) {
        if (le32(data, at, "a ZIP directory entry") != kEntrySignature) break;
        ZipEntry entry;
        entry.madeBy = le16(data, at + 4, "a ZIP entry's system");
        entry.flags = le16(data, at + 8, "a ZIP entry's flags");
        entry.method = le16(data, at + 10, "a ZIP entry's method");
        entry.crc = le32(data, at + 16, "a ZIP entry's CRC");
        entry.compressed = le32(data, at + 20, "a ZIP entry's compressed size");
        entry.size = le32(data, at + 24, "a ZIP entry's size");
        const std::uint16_t nameBytes = le16(data, at + 28, "a ZIP entry's name");
        const std::uint16_t extraBytes = le16(data, at + 30, "a ZIP entry's extra field");
        const std::uint16_t commentBytes = le16(data, at + 32, "a ZIP entry's comment");
        entry.external = le32(data, at + 38, "a ZIP entry's attributes");
        entry.local = le32(data, at + 42, "a ZIP entry's offset");
        entry.name = sliceOf(data, at + kEntryBytes, nameBytes, "a ZIP entry's name");
        entry.extra = sliceOf(data, at + kEntryBytes + nameBytes, extraBytes, "a ZIP extra field");
        if (entry.compressed == kUnset32 || entry.size == kUnset32 || entry.local == kUnset32) readZip64Extra(entry);
        // The entry's bytes: its local header, name, extra field and data.
        std::uint64_t header = kLocalBytes + nameBytes;
        if (le32(data, entry.local, "a ZIP local header") == kLocalSignature)
            header = kLocalBytes + le16(data, entry.local + 26, "a ZIP local name") +
                     le16(data, entry.local + 28, "a ZIP local extra");
        entry.data = entry.local + header;
        entries.push_back(entry);
        at += kEntryBytes + nameBytes + extraBytes + commentBytes;
    }
    return entries;
}

}  // namespace

std::optional<std::vector<ZipEntry>> zipEntries(std::string_view data) {
    try {
        const std::optional<std::size_t> end = endRecord(data);
        if (!end) return std::nullopt;
        const auto directory = directoryOf(data, *end);
        if (!directory || directory->second > kMaxCheckedEntries) return std::nullopt;
        return entriesAt(data, directory->first, directory->second);
    } catch (const EngineError&) {
        return std::nullopt;
    }
}

bool zipEntriesOverlap(std::string_view data) {
    const std::optional<std::vector<ZipEntry>> entries = zipEntries(data);
    if (!entries) return false;
    std::vector<Span> spans;
    spans.reserve(entries->size());
    for (const ZipEntry& entry : *entries) spans.push_back({entry.local, entry.data + entry.compressed});
    std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.begin < b.begin; });
    for (std::size_t i = 1; i < spans.size(); ++i)
        if (spans[i].begin < spans[i - 1].end) return true;
    return false;
}

}  // namespace harvelux::wordproc
