// Window geometry is worked out in twips (1/1440 inch) and shown at 15 twips
// per logical pixel.
#pragma once

namespace harvelux {

inline constexpr long long kTwipsPerPixel = 15;

constexpr long long pixelsToTwips(long long pixels) { return pixels * kTwipsPerPixel; }

// Rounds to the nearest pixel (halves away from zero).
constexpr int twipsToPixels(long long twips) {
    return static_cast<int>(twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                                       : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel));
}

}  // namespace harvelux
