// The main window's icons, keyed by command ID: 48 x 48 for the toolbar
// commands 1000-1004, 16 x 16 for the menu commands; and the application
// icon. All are our own SVG artwork, drawn from the program's resources.
#pragma once

#include "ui/CommandToolbar.h"

#include <QIcon>

namespace harvelux::shell {

// The toolbar's icons are kToolbarIconSize (48) pixels square.
inline constexpr int kMenuIconSize = 16;

// The icon of a command, or a null icon for an ID without one.
QIcon commandIcon(int id);

// The stop icon that "Start Extracting" shows during a run, at 16 or 48.
QIcon stopIcon(int size);

// The application icon, in the usual sizes from 16 to 256 pixels.
QIcon applicationIcon();

}  // namespace harvelux::shell
