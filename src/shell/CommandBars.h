// The main window's command bars: the menu bar ("&File", "&Help") and the
// toolbar "Standard" with five captioned 48 x 48 icon buttons. Every control
// carries its command ID; the window dispatches on it.
#pragma once

class QMenuBar;
class QToolBar;

namespace harvelux::shell {

inline constexpr const char* kToolbarName = "Standard";
inline constexpr const char* kHomePageCaption = "&Go To Quenbrook.com For More Apps";
inline constexpr const char* kStartCaption = "&Start Extracting";
inline constexpr const char* kStopCaption = "&Stop Extracting";

// Fills the toolbar (buttons 1000, 1001, 1003, 1004, 1002, widths 100, 100,
// 100, 130 and 110 pixels) and gives both command bars their look.
void CreateToolbar(QToolBar& toolbar, QMenuBar& menuBar);

// Fills the menu bar: "&File" (2000, 2001, 2005, 2002, 2003, the checkable
// 2012, 2004) and "&Help" (2008, 2010, 2009, 2007, 2011, 2006), with their
// keys: Ctrl+O, Ctrl+Shift+O, Ctrl+Return and F5, Ctrl+Q.
void CreateMenu(QMenuBar& menuBar);

// Gives every toolbar button a tooltip that names the keys of the menu item
// doing the same (after both bars are built).
void NameShortcutsOnToolbar(QToolBar& toolbar, const QMenuBar& menuBar);

// During a run "Start Extracting", on the toolbar and in the menu, reads
// "Stop Extracting" and shows a stop icon; after it, it is as built.
void ShowRunState(QToolBar& toolbar, const QMenuBar& menuBar, bool running);

}  // namespace harvelux::shell
