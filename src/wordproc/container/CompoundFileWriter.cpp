#include "wordproc/container/CompoundFileWriter.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/text/ReaderCaps.h"

#include <algorithm>
#include <array>
#include <vector>

namespace harvelux::wordproc {

namespace {

constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
constexpr std::uint32_t kNoEntry = 0xFFFFFFFF;
constexpr std::size_t kSector = 4096;
constexpr std::size_t kMiniSector = 64;
constexpr std::size_t kMiniCutoff = 4096;
constexpr std::size_t kEntryBytes = 128;
constexpr std::size_t kHeaderFatSlots = 109;
constexpr std::size_t kMaxEntries = 10000;
constexpr std::size_t kMaxDepth = 32;

void put(std::string& out, std::size_t at, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

struct OutEntry {
    std::u16string name;
    CompoundFile::EntryType type;
    std::vector<std::size_t> children;  // indices into the entries
    std::string data;                   // a stream's content
    std::uint32_t left = kNoEntry, right = kNoEntry, child = kNoEntry;
    std::uint32_t start = kEndOfChain;
    std::uint64_t size = 0;
};

// Directory order: shorter names first, then by upper-cased code units.
bool directoryLess(const std::u16string& a, const std::u16string& b) {
    if (a.size() != b.size()) return a.size() < b.size();
    const auto upper = [](char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&](char16_t x, char16_t y) { return upper(x) < upper(y); });
}

class Writer {
public:
    // The storage `storage` of `source`, copied.
    std::string write(const CompoundFile& source, std::uint32_t storage) {
        return copyTree(storage, [&](std::uint32_t from, std::size_t to, const auto& storageAdded) {
            for (const std::uint32_t id : source.children(from)) {
                WorkBudget::charge();
                const CompoundFile::Entry& entry = source.entry(id);
                if (entry.type != CompoundFile::EntryType::Storage && entry.type != CompoundFile::EntryType::Stream)
                    continue;
                const bool isStream = entry.type == CompoundFile::EntryType::Stream;
                add(to, entry.name, entry.type, isStream ? source.readStream(id) : std::string());
                if (!isStream) storageAdded(id);
            }
        });
    }

    // A tree built in memory.
    std::string write(const CompoundNode& root) {
        return copyTree(&root, [&](const CompoundNode* from, std::size_t to, const auto& storageAdded) {
            for (const CompoundNode& node : from->children) {
                WorkBudget::charge();
                add(to, node.name, node.storage ? CompoundFile::EntryType::Storage : CompoundFile::EntryType::Stream,
                    node.storage ? std::string() : node.data);
                if (node.storage) storageAdded(&node);
            }
        });
    }

private:
    // Copies a tree depth first, without recursion, to kMaxDepth:
    // `addChildren(node, entry, storageAdded)` adds the children of `node`
    // under our entry `entry` and calls `storageAdded(child)` right after
    // adding a child that is a storage, whose children follow in turn.
    template <typename Node, typename AddChildren>
    std::string copyTree(Node root, AddChildren addChildren) {
        entries_.push_back({u"Root Entry", CompoundFile::EntryType::Root, {}, {}});
        struct Pending {
            Node node;
            std::size_t entry;
            std::size_t level;
        };
        std::vector<Pending> pending{{root, 0, 0}};
        while (!pending.empty()) {
            const Pending from = pending.back();
            pending.pop_back();
            if (from.level > kMaxDepth)
                throw EngineError("the embedded storage nests too deeply", UnreadableReason::TooLarge);
            addChildren(from.node, from.entry, [&](Node child) {
                pending.push_back({child, entries_.size() - 1, from.level + 1});
            });
        }
        return finish();
    }

    void add(std::size_t parent, const std::u16string& name, CompoundFile::EntryType type, std::string data) {
        if (entries_.size() >= kMaxEntries)
            throw EngineError("the embedded storage has too many entries", UnreadableReason::TooLarge);
        total_ += data.size();
        if (total_ > kMaxStreamBytes)
            throw EngineError("the embedded storage is too large", UnreadableReason::TooLarge);
        entries_.push_back({name.substr(0, 31), type, {}, std::move(data)});
        entries_[parent].children.push_back(entries_.size() - 1);
    }

    std::string finish() {
        for (OutEntry& entry : entries_) linkChildren(entry);
        return layOut();
    }

    // A balanced tree over the sorted children: the middle one is the root.
    std::uint32_t tree(std::vector<std::size_t>& sorted, std::size_t lo, std::size_t hi) {
        if (lo >= hi) return kNoEntry;
        const std::size_t mid = lo + (hi - lo) / 2;
        OutEntry& node = entries_[sorted[mid]];
        node.left = tree(sorted, lo, mid);
        node.right = tree(sorted, mid + 1, hi);
        return static_cast<std::uint32_t>(sorted[mid]);
    }
    void linkChildren(OutEntry& entry) {
        std::vector<std::size_t> sorted = entry.children;
        std::sort(sorted.begin(), sorted.end(),
                  [&](std::size_t a, std::size_t b) { return directoryLess(entries_[a].name, entries_[b].name); });
        entry.child = tree(sorted, 0, sorted.size());
    }

    static std::size_t sectorsFor(std::size_t bytes, std::size_t unit) { return (bytes + unit - 1) / unit; }

    // Gives `count` sectors (or mini sectors) from `next` a chain in `table`.
    static std::uint32_t chain(std::vector<std::uint32_t>& table, std::size_t& next, std::size_t count) {
        if (count == 0) return kEndOfChain;
        const std::size_t first = next;
        for (std::size_t i = 0; i < count; ++i)
            table.push_back(i + 1 < count ? static_cast<std::uint32_t>(first + i + 1) : kEndOfChain);
        next += count;
        return static_cast<std::uint32_t>(first);
    }

    std::string layOut() {
        std::vector<std::uint32_t> fat;
        std::vector<std::uint32_t> miniFat;
        std::size_t nextSector = 0;
        std::size_t nextMini = 0;
        std::string miniStream;
        std::vector<const OutEntry*> big;
        for (OutEntry& entry : entries_) {
            if (entry.type != CompoundFile::EntryType::Stream) continue;
            entry.size = entry.data.size();
            if (entry.data.size() < kMiniCutoff) {
                entry.start = chain(miniFat, nextMini, sectorsFor(entry.data.size(), kMiniSector));
                miniStream += entry.data;
                miniStream.resize(nextMini * kMiniSector, '\0');
            } else {
                entry.start = chain(fat, nextSector, sectorsFor(entry.data.size(), kSector));
                big.push_back(&entry);
            }
        }
        entries_[0].start = chain(fat, nextSector, sectorsFor(miniStream.size(), kSector));
        entries_[0].size = miniStream.size();
        const std::size_t miniFatSectors = sectorsFor(miniFat.size() * 4, kSector);
        const std::uint32_t miniFatStart = chain(fat, nextSector, miniFatSectors);
        const std::size_t directorySectors = sectorsFor(entries_.size() * kEntryBytes, kSector);
        const std::uint32_t directoryStart = chain(fat, nextSector, directorySectors);
        std::size_t fatSectors = 1;
        while (fatSectors * (kSector / 4) < nextSector + fatSectors) ++fatSectors;
        if (fatSectors > kHeaderFatSlots)
            throw EngineError("the embedded storage is too large", UnreadableReason::TooLarge);
        const std::size_t fatStart = nextSector;
        for (std::size_t i = 0; i < fatSectors; ++i) fat.push_back(kFatSector);
        nextSector += fatSectors;

        std::string out((nextSector + 1) * kSector, '\0');
        const auto sectorOffset = [](std::size_t sector) { return (sector + 1) * kSector; };
        put(out, 0, 0xE11AB1A1E011CFD0ull, 8);
        put(out, 24, 0x003E, 2);
        put(out, 26, 0x0004, 2);
        put(out, 28, 0xFFFE, 2);
        put(out, 30, 12, 2);
        put(out, 32, 6, 2);
        put(out, 40, directorySectors, 4);
        put(out, 44, fatSectors, 4);
        put(out, 48, directoryStart, 4);
        put(out, 56, kMiniCutoff, 4);
        put(out, 60, miniFatSectors ? miniFatStart : kEndOfChain, 4);
        put(out, 64, miniFatSectors, 4);
        put(out, 68, kEndOfChain, 4);
        for (std::size_t i = 0; i < kHeaderFatSlots; ++i)
            put(out, 76 + 4 * i, i < fatSectors ? fatStart + i : kFreeSector, 4);

        for (const OutEntry* entry : big) out.replace(sectorOffset(entry->start), entry->data.size(), entry->data);
        if (!miniStream.empty()) out.replace(sectorOffset(entries_[0].start), miniStream.size(), miniStream);
        for (std::size_t i = 0; i < miniFat.size(); ++i) put(out, sectorOffset(miniFatStart) + 4 * i, miniFat[i], 4);
        std::fill_n(out.begin() + static_cast<std::ptrdiff_t>(sectorOffset(miniFatStart) + 4 * miniFat.size()),
                    miniFatSectors * kSector - 4 * miniFat.size(), '\xFF');
        const std::size_t directory = sectorOffset(directoryStart);
        std::fill_n(out.begin() + static_cast<std::ptrdiff_t>(directory), directorySectors * kSector, '\0');
        for (std::size_t i = 0; i < directorySectors * kSector / kEntryBytes; ++i) {
            const std::size_t at = directory + i * kEntryBytes;
            put(out, at + 68, kNoEntry, 4);
            put(out, at + 72, kNoEntry, 4);
            put(out, at + 76, kNoEntry, 4);
            if (i >= entries_.size()) continue;
            const OutEntry& entry = entries_[i];
            for (std::size_t c = 0; c < entry.name.size(); ++c) put(out, at + 2 * c, entry.name[c], 2);
            put(out, at + 64, (entry.name.size() + 1) * 2, 2);
            put(out, at + 66, static_cast<std::uint8_t>(entry.type), 1);
            put(out, at + 67, 1, 1);  // black: a balanced tree needs no red
            put(out, at + 68, entry.left, 4);
            put(out, at + 72, entry.right, 4);
            put(out, at + 76, entry.child, 4);
            put(out, at + 116, entry.start, 4);
            put(out, at + 120, entry.size, 8);
        }
        for (std::size_t i = 0; i < fatSectors * (kSector / 4); ++i)
            put(out, sectorOffset(fatStart) + 4 * i, i < fat.size() ? fat[i] : kFreeSector, 4);
        return out;
    }

    std::vector<OutEntry> entries_;
    std::uint64_t total_ = 0;
};

}  // namespace

std::string writeStorageAsCompoundFile(const CompoundFile& source, std::uint32_t storage) {
    return Writer().write(source, storage);
}

std::string writeCompoundFile(const CompoundNode& root) { return Writer().write(root); }

}  // namespace harvelux::wordproc
