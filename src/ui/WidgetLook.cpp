#include "ui/WidgetLook.h"

#include <QPalette>
#include <QWidget>

#include <cmath>

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

QPalette withReadablePlaceholders(QPalette palette) {
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor base = palette.color(group, QPalette::Base);
        const QColor text = palette.color(group, QPalette::Text);
        const QColor hint = palette.color(group, QPalette::PlaceholderText);
        // The hint as drawn over the field, against the text's own contrast.
        const double alpha = hint.alphaF();
        const double hintLightness = alpha * hint.lightnessF() + (1 - alpha) * base.lightnessF();
        const double textContrast = std::abs(text.lightnessF() - base.lightnessF());
        if (std::abs(hintLightness - base.lightnessF()) >= textContrast / 3) continue;
        QColor readable = text;
        readable.setAlphaF(0.5F);
        palette.setColor(group, QPalette::PlaceholderText, readable);
    }
    return palette;
}

}  // namespace harvelux
