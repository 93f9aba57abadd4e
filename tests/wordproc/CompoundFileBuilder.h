// Builds compound files in memory for tests: any streams (paths with "/"
// create storages), 512- or 4096-byte sectors, small streams in the mini
// stream, and as many allocation sectors as asked for, so that more than 109
// need a DIFAT chain. The layout is returned so tests can damage it.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace harvelux::wordproc::test {

inline constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;

// Writes `v` little-endian at `at`, growing `s` with zero bytes if needed.
inline void put32(std::string& s, std::size_t at, std::uint32_t v) {
    if (s.size() < at + 4) s.resize(at + 4, '\0');
    for (int i = 0; i < 4; ++i) s[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}
inline void put16(std::string& s, std::size_t at, std::uint16_t v) {
    if (s.size() < at + 2) s.resize(at + 2, '\0');
    s[at] = static_cast<char>(v & 0xFF);
    s[at + 1] = static_cast<char>(v >> 8);
}

struct CompoundImage {
    std::string bytes;
    unsigned sectorShift = 9;
    std::vector<std::uint32_t> fatSectors;
    std::vector<std::uint32_t> difatSectors;
    std::uint32_t directory = 0;
    std::uint32_t miniFat = kEndOfChain;
    std::map<std::string, std::uint32_t> start;  // first sector, or mini sector, of each stream

    std::size_t offsetOf(std::uint32_t sector) const { return (static_cast<std::size_t>(sector) + 1) << sectorShift; }
    // The offset of a sector's entry in the allocation table.
    std::size_t fatEntryOffset(std::uint32_t sector) const;
    void putLe32(std::size_t offset, std::uint32_t value);
};

using StreamList = std::vector<std::pair<std::string, std::string>>;

CompoundImage buildCompoundFile(const StreamList& streams, unsigned sectorShift = 9, std::size_t minFatSectors = 1);

}  // namespace harvelux::wordproc::test
