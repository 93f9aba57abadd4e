#include "ui/SetFormBackColors.h"

#include "ui/WidgetLook.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QRadioButton>
#include <QWidget>

namespace harvelux {

void SetFormBackColors(QWidget& window) {
    const QColor face = window.palette().color(QPalette::Button);
    fillBackground(window, face);
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (qobject_cast<QRadioButton*>(control) || qobject_cast<QCheckBox*>(control) ||
            qobject_cast<QGroupBox*>(control) || qobject_cast<QLabel*>(control))
            fillBackground(*control, face);
    }
}

}  // namespace harvelux
