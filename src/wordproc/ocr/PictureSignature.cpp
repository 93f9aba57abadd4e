#include "wordproc/ocr/PictureSignature.h"

#include "wordproc/container/LittleEndian.h"

#include <array>
#include <cstdint>

namespace harvelux::wordproc {

namespace {

bool startsWith(std::string_view data, std::string_view prefix) { return data.substr(0, prefix.size()) == prefix; }

// "BM" says little by itself: the header must also give a pixel data offset
// inside a plausible range, zero reserved words and a known header size.
bool looksLikeBmp(std::string_view data) {
    if (data.size() < 26 || !startsWith(data, "BM")) return false;
    const std::uint32_t reserved = le32(data, 6, "BMP header");
    const std::uint32_t pixelsAt = le32(data, 10, "BMP header");
    const std::uint32_t headerSize = le32(data, 14, "BMP header");
    constexpr std::array<std::uint32_t, 7> kHeaderSizes{12, 40, 52, 56, 64, 108, 124};
    bool knownHeader = false;
    for (const std::uint32_t size : kHeaderSizes) knownHeader = knownHeader || size == headerSize;
    return reserved == 0 && knownHeader && pixelsAt >= 14 + headerSize;
}

// Netpbm: "P1" to "P6", white space, then the width in digits.
bool looksLikePnm(std::string_view data) {
    if (data.size() < 4 || data[0] != 'P' || data[1] < '1' || data[1] > '6') return false;
    std::size_t at = 2;
    if (data[at] != ' ' && data[at] != '\n' && data[at] != '\r' && data[at] != '\t') return false;
    while (at < data.size() && (data[at] == ' ' || data[at] == '\n' || data[at] == '\r' || data[at] == '\t')) ++at;
    // A comment line may come before the width.
    if (at < data.size() && data[at] == '#') return true;
    return at < data.size() && data[at] >= '0' && data[at] <= '9';
}

}  // namespace

PictureKind pictureKind(std::string_view data) {
    using namespace std::string_view_literals;
    if (startsWith(data, "\x89PNG\r\n\x1a\n"sv)) return PictureKind::Png;
    if (startsWith(data, "\xff\xd8\xff"sv)) return PictureKind::Jpeg;
    if (startsWith(data, "II*\0"sv) || startsWith(data, "MM\0*"sv)) return PictureKind::Tiff;
    if (startsWith(data, "GIF87a") || startsWith(data, "GIF89a")) return PictureKind::Gif;
    if (data.size() >= 12 && startsWith(data, "RIFF") && data.substr(8, 4) == "WEBP") return PictureKind::WebP;
    if (looksLikeBmp(data)) return PictureKind::Bmp;
    if (looksLikePnm(data)) return PictureKind::Pnm;
    return PictureKind::None;
}

}  // namespace harvelux::wordproc
