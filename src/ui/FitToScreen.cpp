#include "ui/FitToScreen.h"

#include "common/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace harvelux {

QRect fitIntoArea(const QRect& available, const QRect& outer) {
    if (available.isEmpty() || available.contains(outer)) return outer;
    const int width = std::min(outer.width(), available.width());
    const int height = std::min(outer.height(), available.height());
    const int left = std::clamp(outer.left(), available.left(), available.left() + available.width() - width);
    const int top = std::clamp(outer.top(), available.top(), available.top() + available.height() - height);
    return QRect(left, top, width, height);
}

void FitToScreen(QWidget& window, const QRect& available, TwipFrame assumedFrame) {
    QSize frame(twipsToPixels(assumedFrame.extraWidth), twipsToPixels(assumedFrame.extraHeight));
    if (window.isVisible()) frame = window.frameGeometry().size() - window.size();
    const QRect outer(window.pos(), window.size() + frame);
    const QRect fitted = fitIntoArea(available, outer);
    if (fitted == outer) return;
    window.resize(fitted.size() - frame);
    // move() places the outer frame's top-left corner.
    window.move(fitted.topLeft());
}

void FitToScreen(QWidget& window, TwipFrame assumedFrame) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen) FitToScreen(window, screen->availableGeometry(), assumedFrame);
}

}  // namespace harvelux
