// Picture files read through optical character recognition: PNG, JPEG,
// TIFF (every page), BMP, GIF, WebP and Netpbm, decoded by Leptonica. A
// picture's size is checked from its header before any pixel is decoded.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace harvelux::wordproc {

// The most pixels a picture (or a page of a TIFF) may have, and the most
// pages a TIFF may have.
inline constexpr std::int64_t kMaxPicturePixels = 100'000'000;
inline constexpr int kMaxPicturePages = 1000;

// The text of every page, pages separated by a page break. Throws
// EngineError: too large for a picture beyond the caps, damaged for one
// that cannot be decoded.
std::string readPictureText(std::string_view data, const std::string& languages);

// The pictures of the bytes decoded, without recognition (for the fuzzer):
// how many pages were decoded. Throws as readPictureText.
int decodePicturePages(std::string_view data);

}  // namespace harvelux::wordproc
