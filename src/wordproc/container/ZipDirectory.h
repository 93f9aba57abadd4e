// The central directory of a ZIP archive, walked on its own to check what
// the libraries reading the archive take on trust.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace harvelux::wordproc {

// Whether two entries of the directory claim the same bytes of the archive:
// an entry that begins inside another's data, or two entries that share a
// local header. No archiver writes that; a ZIP bomb does, so that a few
// megabytes of one deflate stream inflate once per entry. False when the
// directory cannot be found or read (the libraries then judge the archive).
bool zipEntriesOverlap(std::string_view data);

// One entry of the directory, with the ZIP64 fields resolved.
struct ZipEntry {
    std::string_view name;
    std::uint16_t madeBy = 0;  // the high byte names the system that wrote it
    std::uint16_t flags = 0;
    std::uint16_t method = 0;
    std::uint32_t crc = 0;
    std::uint64_t compressed = 0;
    std::uint64_t size = 0;
    std::uint32_t external = 0;  // the attributes of that system
    std::string_view extra;
    std::uint64_t local = 0;  // the offset of its local header
    std::uint64_t data = 0;   // the offset of its data, past the local header
};

// The entries of the directory in its order, or nothing when the directory
// cannot be found or read whole, or holds more entries than are checked.
std::optional<std::vector<ZipEntry>> zipEntries(std::string_view data);

}  // namespace harvelux::wordproc
