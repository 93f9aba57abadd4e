// Recognising picture files (scans, faxes, photographs of pages) by their
// first bytes, without the picture libraries.
#pragma once

#include <string_view>

namespace harvelux::wordproc {

enum class PictureKind { None, Png, Jpeg, Tiff, Bmp, Gif, WebP, Pnm };

// The kind of picture the bytes begin with; None when they are no picture
// the optical character recognition reads.
PictureKind pictureKind(std::string_view data);

inline bool looksLikePicture(std::string_view data) { return pictureKind(data) != PictureKind::None; }

}  // namespace harvelux::wordproc
