// Read-only access to a Compound File Binary container ([MS-CFB]): the
// "structured storage" file that holds the streams of Word 97-2003 and Word
// 6/95 documents. Sector sizes of 512 and 4096 bytes are read; every sector
// chain is walked with a loop check and every offset is checked against the
// file, so a damaged or hostile file throws EngineError instead of looping
// or reading out of bounds.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harvelux::wordproc {

class CompoundFile {
public:
    enum class EntryType : std::uint8_t { Empty = 0, Storage = 1, Stream = 2, Root = 5 };

    struct Entry {
        std::u16string name;
        EntryType type = EntryType::Empty;
        std::uint32_t left = 0;
        std::uint32_t right = 0;
        std::uint32_t child = 0;
        std::uint32_t start = 0;
        std::uint64_t size = 0;
    };

    static constexpr std::uint32_t kRoot = 0;

    // Parses the header, the sector allocation tables and the directory.
    // `data` must outlive the object. Throws EngineError when the bytes are
    // not a readable compound file.
    explicit CompoundFile(std::string_view data);

    static bool hasSignature(std::string_view data);

    // The entries directly inside a storage (the root is kRoot), in the
    // directory tree's order. A damaged tree yields the entries reachable
    // without revisiting any.
    std::vector<std::uint32_t> children(std::uint32_t storage) const;

    // The child of `storage` with this name, compared without regard to the
    // case of ASCII letters, or nothing.
    std::optional<std::uint32_t> find(std::u16string_view name, std::uint32_t storage = kRoot) const;

    const Entry& entry(std::uint32_t id) const { return entries_.at(id); }

    // The whole content of a stream entry; throws EngineError when its
    // sectors are missing, loop or exceed the stream cap.
    std::string readStream(std::uint32_t id) const;

    // A stream directly inside the root storage, or nothing when absent.
    std::optional<std::string> readRootStream(std::u16string_view name) const;

    unsigned sectorSize() const { return 1u << sectorShift_; }

private:
    std::string_view sectorBytes(std::uint32_t sector, std::size_t length) const;
    std::vector<std::uint32_t> fatChain(std::uint32_t start, std::uint64_t wanted) const;
    std::string readChain(std::uint32_t start, std::uint64_t size) const;
    std::string readMiniChain(std::uint32_t start, std::uint64_t size) const;

    void readFat(std::string_view header);
    void readDirectory(std::uint32_t firstSector);
    void readMiniStream(std::uint32_t firstMiniFatSector);

    std::string_view data_;
    unsigned sectorShift_ = 9;
    std::uint64_t miniCutoff_ = 4096;
    std::uint64_t fileSectors_ = 0;  // sectors that start inside the file
    std::vector<std::uint32_t> fat_;
    std::vector<std::uint32_t> miniFat_;
    std::string miniStream_;
    std::string miniError_;  // why the mini stream could not be read, if it could not
    std::vector<Entry> entries_;
};

}  // namespace harvelux::wordproc
