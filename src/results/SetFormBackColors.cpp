#include "results/SetFormBackColors.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QRadioButton>
#include <QWidget>

namespace harvelux {

namespace {

void paintButtonFace(QWidget& widget, const QColor& face) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, face);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

}  // namespace

void SetFormBackColors(QWidget& window) {
    const QColor face = window.palette().color(QPalette::Button);
    paintButtonFace(window, face);
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (qobject_cast<QRadioButton*>(control) || qobject_cast<QCheckBox*>(control) ||
            qobject_cast<QGroupBox*>(control) || qobject_cast<QLabel*>(control))
            paintButtonFace(*control, face);
    }
}

}  // namespace harvelux
