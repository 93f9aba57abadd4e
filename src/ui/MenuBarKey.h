// F10 opens a window's menu bar at its first menu, from where the arrow
// keys go on: the keyboard's way to every command of the window.
#pragma once

class QMenuBar;
class QWidget;

namespace harvelux::ui {

void openMenuBarOnF10(QWidget& window, QMenuBar& menuBar);

}  // namespace harvelux::ui
