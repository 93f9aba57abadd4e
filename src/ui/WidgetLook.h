// The look both windows share: the font of their lists and option controls,
// and plain background fills.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

namespace harvelux {

// Calibri, 11.25 point, bold.
QFont controlFont();

// Fills the widget's background with `colour`: the window colour of its own
// palette, which a skin may change later, drawn by the widget itself.
void fillBackground(QWidget& widget, const QColor& colour);

// The palette with placeholder text (an empty field's hint) that shows on
// the field: a platform theme that gives a dark palette may keep the light
// palette's dark grey hint, which a dark field hides. Such a hint becomes
// the field's text colour at half strength; a readable one stays.
QPalette withReadablePlaceholders(QPalette palette);

}  // namespace harvelux
