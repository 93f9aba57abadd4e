#include "ui/WidgetLook.h"

#include <QPalette>
#include <QWidget>

namespace harvelux {

QFont controlFont() {
    QFont font(QStringLiteral("Calibri"));
    font.setPointSizeF(11.25);
    font.setBold(true);
    return font;
}

void fillBackground(QWidget& widget, const QColor& colour) {
    // Buttons draw their background in the button colour unless told to use
    // the window colour.
    widget.setBackgroundRole(QPalette::Window);
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

}  // namespace harvelux
