#include "shell/OptionFrame.h"

#include <QPainter>

namespace harvelux::shell {

void OptionFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int lineY = metrics.height() / 2;
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRoundedRect(QRectF(0.5, lineY + 0.5, width() - 1.0, height() - lineY - 1.0), 2, 2);

    const QString caption = title();
    if (caption.isEmpty()) return;
    const int captionLeft = 8;
    const int captionWidth = metrics.horizontalAdvance(caption) + 6;
    painter.fillRect(QRect(captionLeft, 0, captionWidth, metrics.height()), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(captionLeft + 3, 0, captionWidth, metrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                     caption);
}

}  // namespace harvelux::shell
