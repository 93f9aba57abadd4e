#include "common/CenterForm.h"

#include "common/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace harvelux {

TwipPoint centeredOrigin(long long screenWidth, long long screenHeight, long long windowWidth,
                         long long windowHeight) {
    return {(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 2};
}

void CenterForm(QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QSize screenSize = screen->geometry().size();
    const QSize outer = window.frameGeometry().size();
    const TwipPoint origin = centeredOrigin(pixelsToTwips(screenSize.width()), pixelsToTwips(screenSize.height()),
                                            pixelsToTwips(outer.width()), pixelsToTwips(outer.height()));
    window.move(twipsToPixels(origin.left), twipsToPixels(origin.top));
}

}  // namespace harvelux
