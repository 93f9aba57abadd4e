// The main window's command bars: the menu bar ("&File", "&Help") and the
// toolbar "Standard" with five captioned 48 x 48 icon buttons. Every control
// carries its command ID; the window dispatches on it.
#pragma once

class QMenuBar;
class QToolBar;

namespace harvelux::shell {

inline constexpr const char* kToolbarName = "Standard";
inline constexpr const char* kHomePageCaption = "&Go To Quenbrook.com For More Apps";

// Fills the toolbar (buttons 1000, 1001, 1003, 1004, 1002, widths 100, 100,
// 100, 130 and 110 pixels) and gives both command bars their look.
void CreateToolbar(QToolBar& toolbar, QMenuBar& menuBar);

// Fills the menu bar: "&File" (2000-2003, the checkable 2012, 2004) and "&Help" (2008, 2010, 2009,
// 2007, 2011).
void CreateMenu(QMenuBar& menuBar);

}  // namespace harvelux::shell
