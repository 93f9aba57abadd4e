#include "ui/CenterForm.h"

#include "common/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace harvelux {

TwipPoint centeredOrigin(long long screenWidth, long long screenHeight, long long windowWidth, long long windowHeight) {
    return {(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 2};
}

void CenterForm(QWidget& window, TwipFrame assumedFrame) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QSize screenSize = screen->geometry().size();
    long long outerWidth = pixelsToTwips(window.width()) + assumedFrame.extraWidth;
    long long outerHeight = pixelsToTwips(window.height()) + assumedFrame.extraHeight;
    if (window.isVisible()) {
        const QSize outer = window.frameGeometry().size();
        outerWidth = pixelsToTwips(outer.width());
        outerHeight = pixelsToTwips(outer.height());
    }
    // move() places the outer frame's top-left corner.
    const TwipPoint origin =
        centeredOrigin(pixelsToTwips(screenSize.width()), pixelsToTwips(screenSize.height()), outerWidth, outerHeight);
    window.move(twipsToPixels(origin.left), twipsToPixels(origin.top));
}

}  // namespace harvelux
