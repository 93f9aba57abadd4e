#include "wordproc/container/CompoundFile.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/LittleEndian.h"
#include "wordproc/text/ReaderCaps.h"

#include <algorithm>
#include <limits>

namespace harvelux::wordproc {

namespace {

constexpr std::string_view kSignature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
constexpr std::size_t kHeaderBytes = 512;
constexpr std::size_t kHeaderDifatEntries = 109;
constexpr std::size_t kDirectoryEntryBytes = 128;
// Real documents hold tens of entries; a directory of a million is hostile.
constexpr std::size_t kMaxDirectoryEntries = std::size_t{1} << 20;
constexpr unsigned kMiniSectorShift = 6;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint64_t kWholeChain = std::numeric_limits<std::uint64_t>::max();

[[noreturn]] void damaged(const std::string& what) { throw EngineError("damaged compound file: " + what); }

// Follows a chain of sector numbers through an allocation table, collecting
// at most `wanted` sectors. A sector seen twice is a loop, a number outside
// the table a broken chain: both throw, so the walk takes at most as many
// steps as the table has entries.
std::vector<std::uint32_t> walkChain(const std::vector<std::uint32_t>& table, std::uint32_t start, std::uint64_t wanted,
                                     const char* what) {
    std::vector<std::uint32_t> chain;
    std::vector<bool> visited(table.size(), false);
    std::uint32_t current = start;
    while (current != kEndOfChain && chain.size() < wanted) {
        if (current >= table.size()) damaged(std::string(what) + " leaves its allocation table");
        if (visited[current]) damaged(std::string(what) + " loops");
        visited[current] = true;
        chain.push_back(current);
        current = table[current];
    }
    return chain;
}

std::uint64_t sectorsFor(std::uint64_t bytes, unsigned shift) { return (bytes + (1ull << shift) - 1) >> shift; }

// The sectors that hold `size` bytes of a stream starting at `start`.
std::vector<std::uint32_t> streamChain(const std::vector<std::uint32_t>& table, std::uint32_t start, std::uint64_t size,
                                       unsigned shift, const char* what) {
    const std::uint64_t wanted = sectorsFor(size, shift);
    std::vector<std::uint32_t> chain = walkChain(table, start, wanted, what);
    if (chain.size() < wanted) damaged(std::string(what) + " ends early");
    return chain;
}

// Joins the first `size` bytes of a chain's sectors; `bytesOf(sector,
// length)` gives the start of one sector.
template <class BytesOf>
std::string concatenate(const std::vector<std::uint32_t>& chain, std::uint64_t size, unsigned shift, BytesOf bytesOf) {
    std::string out;
    out.reserve(static_cast<std::size_t>(size));
    for (const std::uint32_t sector : chain) {
        const std::uint64_t take = std::min<std::uint64_t>(1ull << shift, size - out.size());
        out.append(bytesOf(sector, static_cast<std::size_t>(take)));
    }
    return out;
}

// Appends the 32-bit entries of one sector of an allocation table.
void appendEntries(std::vector<std::uint32_t>& table, std::string_view sector) {
    for (std::size_t i = 0; i + 4 <= sector.size(); i += 4) table.push_back(le32(sector, i, "an allocation sector"));
}

char16_t asciiUpper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

bool sameName(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiUpper(a[i]) != asciiUpper(b[i])) return false;
    return true;
}

CompoundFile::Entry parseEntry(std::string_view raw, bool wideSizes) {
    CompoundFile::Entry entry;
    const std::uint16_t nameBytes = le16(raw, 0x40, "a directory entry");
    if (nameBytes >= 2 && nameBytes <= 64) {
        for (std::size_t i = 0; i + 1 < nameBytes / 2u; ++i) {
            const char16_t c = le16(raw, 2 * i, "a directory entry");
            if (c == 0) break;
            entry.name += c;
        }
    }
    switch (byteAt(raw, 0x42)) {
        case 1:
            entry.type = CompoundFile::EntryType::Storage;
            break;
        case 2:
            entry.type = CompoundFile::EntryType::Stream;
            break;
        case 5:
            entry.type = CompoundFile::EntryType::Root;
            break;
        default:
            entry.type = CompoundFile::EntryType::Empty;
            break;
    }
    entry.left = le32(raw, 0x44, "a directory entry");
    entry.right = le32(raw, 0x48, "a directory entry");
    entry.child = le32(raw, 0x4C, "a directory entry");
    entry.start = le32(raw, 0x74, "a directory entry");
    // Files with 512-byte sectors may leave garbage in the size's high half.
    entry.size = wideSizes ? le64(raw, 0x78, "a directory entry") : le32(raw, 0x78, "a directory entry");
    return entry;
}

}  // namespace

bool CompoundFile::hasSignature(std::string_view data) { return data.substr(0, kSignature.size()) == kSignature; }

CompoundFile::CompoundFile(std::string_view data) : data_(data) {
    if (!hasSignature(data)) throw EngineError("not a compound file");
    if (data.size() < kHeaderBytes) damaged("the header is cut off");
    const std::string_view header = data.substr(0, kHeaderBytes);
    if (le16(header, 0x1C, "the header") != 0xFFFE) damaged("unknown byte order");
    sectorShift_ = le16(header, 0x1E, "the header");
    if (sectorShift_ != 9 && sectorShift_ != 12) damaged("unsupported sector size");
    if (le16(header, 0x20, "the header") != kMiniSectorShift) damaged("unsupported mini sector size");
    miniCutoff_ = le32(header, 0x38, "the header");
    const std::uint64_t sector = sectorSize();
    fileSectors_ = data.size() > sector ? sectorsFor(data.size() - sector, sectorShift_) : 0;

    readFat(header);
    readDirectory(le32(header, 0x30, "the header"));
    try {
        readMiniStream(le32(header, 0x3C, "the header"));
    } catch (const EngineError& error) {
        // Streams outside the mini stream stay readable; a small stream
        // reports this when asked for.
        miniError_ = error.what();
    }
}

std::string_view CompoundFile::sectorBytes(std::uint32_t sector, std::size_t length) const {
    const std::uint64_t offset = (static_cast<std::uint64_t>(sector) + 1) << sectorShift_;
    if (!fitsIn(data_.size(), offset, length)) damaged("a sector lies past the end of the file");
    return data_.substr(static_cast<std::size_t>(offset), length);
}

void CompoundFile::readFat(std::string_view header) {
    const std::uint32_t fatSectors = le32(header, 0x2C, "the header");
    if (fatSectors == 0) damaged("no sector allocation table");
    if (fatSectors > fileSectors_) damaged("more allocation sectors than the file holds");

    // The locations of the allocation table's sectors: the first 109 in the
    // header, the rest in a chain of DIFAT sectors whose last entry links on.
    std::vector<std::uint32_t> fatLocations;
    fatLocations.reserve(fatSectors);
    for (std::size_t i = 0; i < kHeaderDifatEntries && fatLocations.size() < fatSectors; ++i)
        fatLocations.push_back(le32(header, 0x4C + 4 * i, "the header"));

    const std::size_t perDifatSector = sectorSize() / 4 - 1;
    std::vector<bool> visited(static_cast<std::size_t>(fileSectors_), false);
    std::uint32_t difat = le32(header, 0x44, "the header");
    while (fatLocations.size() < fatSectors) {
        if (difat >= fileSectors_) damaged("the DIFAT chain ends early");
        if (visited[difat]) damaged("the DIFAT chain loops");
        visited[difat] = true;
        const std::string_view raw = sectorBytes(difat, sectorSize());
        for (std::size_t i = 0; i < perDifatSector && fatLocations.size() < fatSectors; ++i)
            fatLocations.push_back(le32(raw, 4 * i, "a DIFAT sector"));
        difat = le32(raw, 4 * perDifatSector, "a DIFAT sector");
    }

    const std::size_t perSector = sectorSize() / 4;
    fat_.reserve(fatLocations.size() * perSector);
    for (const std::uint32_t location : fatLocations) {
        if (location >= fileSectors_) damaged("an allocation sector lies past the end of the file");
        appendEntries(fat_, sectorBytes(location, sectorSize()));
    }
}

void CompoundFile::readDirectory(std::uint32_t firstSector) {
    const bool wideSizes = sectorShift_ != 9;
    const std::size_t perSector = sectorSize() / kDirectoryEntryBytes;
    const std::vector<std::uint32_t> chain = walkChain(fat_, firstSector, kWholeChain, "the directory");
    if (chain.size() > kMaxDirectoryEntries / perSector) damaged("the directory is too large");
    for (const std::uint32_t sector : chain) {
        const std::string_view raw = sectorBytes(sector, sectorSize());
        for (std::size_t i = 0; i < perSector; ++i)
            entries_.push_back(parseEntry(raw.substr(i * kDirectoryEntryBytes, kDirectoryEntryBytes), wideSizes));
    }
    if (entries_.empty() || entries_[kRoot].type != EntryType::Root) damaged("no root entry");
}

void CompoundFile::readMiniStream(std::uint32_t firstMiniFatSector) {
    const Entry& root = entries_[kRoot];
    if (root.size == 0) return;
    miniStream_ = readChain(root.start, root.size);
    for (const std::uint32_t sector : walkChain(fat_, firstMiniFatSector, kWholeChain, "the mini allocation table"))
        appendEntries(miniFat_, sectorBytes(sector, sectorSize()));
}

std::string CompoundFile::readChain(std::uint32_t start, std::uint64_t size) const {
    if (size > kMaxStreamBytes) throw EngineError("a stream exceeds the size limit", UnreadableReason::TooLarge);
    if (size > data_.size()) damaged("a stream is larger than the file");
    return concatenate(streamChain(fat_, start, size, sectorShift_, "a stream's sector chain"), size, sectorShift_,
                       [this](std::uint32_t sector, std::size_t length) { return sectorBytes(sector, length); });
}

std::string CompoundFile::readMiniChain(std::uint32_t start, std::uint64_t size) const {
    if (!miniError_.empty()) throw EngineError(miniError_);
    if (size > miniStream_.size()) damaged("a small stream is larger than the mini stream");
    return concatenate(streamChain(miniFat_, start, size, kMiniSectorShift, "a small stream's chain"), size,
                       kMiniSectorShift, [this](std::uint32_t sector, std::size_t length) {
                           return sliceOf(miniStream_, std::uint64_t{sector} << kMiniSectorShift, length,
                                          "a mini sector");
                       });
}

std::vector<std::uint32_t> CompoundFile::children(std::uint32_t storage) const {
    std::vector<std::uint32_t> out;
    if (storage >= entries_.size()) return out;
    // In-order walk of the storage's red-black tree of children with an
    // explicit stack; an entry is entered at most once, so a tree whose links
    // loop (or point back at the storage itself) still ends.
    std::vector<bool> visited(entries_.size(), false);
    visited[storage] = true;
    visited[kRoot] = true;
    const auto usable = [&](std::uint32_t id) {
        return id < entries_.size() && !visited[id] && entries_[id].type != EntryType::Empty;
    };
    std::vector<std::uint32_t> stack;
    std::uint32_t current = entries_[storage].child;
    while (true) {
        while (usable(current)) {
            visited[current] = true;
            stack.push_back(current);
            current = entries_[current].left;
        }
        if (stack.empty()) break;
        const std::uint32_t id = stack.back();
        stack.pop_back();
        out.push_back(id);
        current = entries_[id].right;
    }
    return out;
}

std::optional<std::uint32_t> CompoundFile::find(std::u16string_view name, std::uint32_t storage) const {
    for (const std::uint32_t id : children(storage))
        if (sameName(entries_[id].name, name)) return id;
    return std::nullopt;
}

std::string CompoundFile::readStream(std::uint32_t id) const {
    const Entry& stream = entry(id);
    if (stream.type != EntryType::Stream) throw EngineError("not a stream");
    if (stream.size < miniCutoff_) return readMiniChain(stream.start, stream.size);
    return readChain(stream.start, stream.size);
}

std::optional<std::string> CompoundFile::readRootStream(std::u16string_view name) const {
    const std::optional<std::uint32_t> id = find(name);
    if (!id || entries_[*id].type != EntryType::Stream) return std::nullopt;
    return readStream(*id);
}

}  // namespace harvelux::wordproc
