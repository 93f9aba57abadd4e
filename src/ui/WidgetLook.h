// The look both windows share: the font of their lists and option controls,
// and plain background fills.
#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace harvelux {

// Calibri, 11.25 point, bold.
QFont controlFont();

// Fills the widget's background with `colour`: the window colour of its own
// palette, which a skin may change later, drawn by the widget itself.
void fillBackground(QWidget& widget, const QColor& colour);

}  // namespace harvelux
