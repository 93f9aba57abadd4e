#include "wordproc/archive/ArchiveSignature.h"

#include <array>

namespace harvelux::wordproc {

namespace {

constexpr std::array<std::string_view, 6> kMagic = {
    std::string_view("7z\xBC\xAF\x27\x1C", 6),  // 7-Zip
    std::string_view("Rar!\x1A\x07", 6),        // RAR 4 and 5
    std::string_view("\x1F\x8B\x08", 3),        // gzip, deflated
    std::string_view("\xFD"
                     "7zXZ\x00",
                     6),                      // xz
    std::string_view("\x28\xB5\x2F\xFD", 4),  // zstd
    std::string_view("BZh", 3),               // bzip2 (checked further below)
};

constexpr std::size_t kTarMagicAt = 257;

bool looksLikeBzip2(std::string_view data) {
    return data.size() >= 10 && data[3] >= '1' && data[3] <= '9' && data.substr(4, 6) == "1AY&SY";
}

}  // namespace

bool looksLikeArchive(std::string_view data) {
    for (const std::string_view magic : kMagic) {
        if (!data.starts_with(magic)) continue;
        return magic != "BZh" || looksLikeBzip2(data);
    }
    // POSIX and GNU tar: "ustar" after the first header's name and modes.
    return data.size() >= kTarMagicAt + 5 && data.substr(kTarMagicAt, 5) == "ustar";
}

bool isPlainZipArchive(const ZipArchive&) { return true; }

}  // namespace harvelux::wordproc
