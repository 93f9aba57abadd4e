// Keeps a window's controls on the screen: a window whose outer frame does
// not fit the screen's available area (a high scale factor, a small screen,
// panels) is shrunk to fit and moved inside it. A window that fits keeps its
// size and its centred place.
#pragma once

#include "ui/CenterForm.h"

#include <QRect>

class QWidget;

namespace harvelux {

// The outer frame's new place: `outer` itself when it lies inside
// `available`; otherwise each side longer than the area's is cut to it and
// the frame is moved, as little as needed, to lie inside. Pixels.
QRect fitIntoArea(const QRect& available, const QRect& outer);

// Fits the window into `available` (see above), measuring its frame when it
// is shown and assuming `assumedFrame` before.
void FitToScreen(QWidget& window, const QRect& available, TwipFrame assumedFrame = kAssumedFrame);

// The same on the available area of the window's screen (or the primary one).
void FitToScreen(QWidget& window, TwipFrame assumedFrame = kAssumedFrame);

}  // namespace harvelux
