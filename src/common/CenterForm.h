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
TwipPoint centeredOrigin(long long screenWidth, long long screenHeight, long long windowWidth,
                         long long windowHeight);

// Moves the window to the middle of the whole primary screen.
void CenterForm(QWidget& window);

}  // namespace harvelux
