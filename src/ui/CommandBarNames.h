// What screen readers say for a window's menu bar and toolbar: each menu is
// named after its title, and the buttons Qt adds when the bars do not fit
// the window ("More commands") are named too.
#pragma once

class QMenuBar;
class QToolBar;

namespace harvelux {

// Names and describes the menu bar, each of its menus, the toolbar and the
// overflow buttons of both. Call it once the menus are filled.
void nameCommandBars(QMenuBar& menuBar, QToolBar& toolbar);

}  // namespace harvelux
