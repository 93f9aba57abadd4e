#pragma once

class QWidget;

namespace harvelux {

struct TwipPoint {
    long long left;
    long long top;
};

// The top-left corner that centres a window of the given outer size on a
// screen of the given size: exact division, no clamping, so a window larger
// than the screen gets a negative corner. All values in twips.
TwipPoint centeredOrigin(long long screenWidth, long long screenHeight, long long windowWidth, long long windowHeight);

// What a window's frame adds to its inner area, in twips.
struct TwipFrame {
    long long extraWidth;
    long long extraHeight;
};

// The frame the windows' layouts assume: 4-pixel borders and a 23-pixel
// caption.
inline constexpr TwipFrame kAssumedFrame{2 * 60, 2 * 60 + 345};

// Moves the window so that its outer frame sits in the middle of the whole
// primary screen. A shown window's frame is measured; before the window is
// shown the window manager has drawn no frame yet, and `assumedFrame` stands
// in for it.
void CenterForm(QWidget& window, TwipFrame assumedFrame = kAssumedFrame);

}  // namespace harvelux
