// The main window's layout arithmetic, in twips, on the window's outer width
// W and height H: the list, the option frame and the progress bar share the
// left edge 120 and the width W - 360; the frame and the progress bar follow
// the bottom edge.
#pragma once

#include <optional>

namespace harvelux::shell {

inline constexpr long long kControlLeft = 120;
inline constexpr long long kListTop = 1660;
inline constexpr long long kFrameHeight = 700;
inline constexpr long long kProgressHeight = 405;
inline constexpr long long kCheckLeft = 240;
inline constexpr long long kCheckTop = 300;
inline constexpr long long kCheckWidth = 5655;
inline constexpr long long kCheckHeight = 255;

// The client area the window is built with.
inline constexpr long long kClientWidth = 9090;
inline constexpr long long kClientHeight = 10335;

// The frame the arithmetic assumes around the client area: 4-pixel borders
// and a 23-pixel caption. Window managers draw frames of every size (or none
// at all); working from a fixed frame keeps the margins the same everywhere.
inline constexpr long long kFrameBorderTwips = 60;
inline constexpr long long kCaptionTwips = 345;
inline constexpr long long kOuterExtraWidth = 2 * kFrameBorderTwips;
inline constexpr long long kOuterExtraHeight = 2 * kFrameBorderTwips + kCaptionTwips;

struct MainLayout {
    long long listTop = 0;
    long long listWidth = 0;
    long long listHeight = 0;
    long long frameTop = 0;
    long long frameWidth = 0;
    long long progressTop = 0;
    long long progressWidth = 0;
    // Set only when the list has its column.
    std::optional<long long> columnWidth;
};

// The positions for an outer size W x H; nothing (leave every control where
// it is) while the window is minimised. Widths never go below 0 on very
// narrow windows; the list height is |H - 3600|.
std::optional<MainLayout> layoutMainWindow(long long outerWidth, long long outerHeight, bool minimised,
                                           bool listHasColumn);

}  // namespace harvelux::shell
