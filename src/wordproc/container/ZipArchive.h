// Read-only access to a ZIP container held in memory (libzip), with the
// inflate caps of ReaderCaps.h applied to every part read.
#pragma once

#include "wordproc/text/ReaderCaps.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct zip;

namespace harvelux::wordproc {

class ZipArchive {
public:
    // Throws EngineError when the bytes are not a readable ZIP archive, or
    // one whose entries overlap.
    explicit ZipArchive(std::string_view data);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    static bool looksLikeZip(std::string_view data);

    bool contains(const std::string& name) const;
    // The names of the entries in the archive's order, at most `most`.
    std::vector<std::string> names(std::size_t most) const;
    // The decompressed part, or nothing when there is no such entry. A part
    // that is damaged or inflates beyond the caps (or beyond `limit` bytes)
    // throws EngineError.
    std::optional<std::string> read(const std::string& name, std::uint64_t limit = kMaxInflatedBytes) const;

private:
    zip* archive_ = nullptr;
};

}  // namespace harvelux::wordproc
