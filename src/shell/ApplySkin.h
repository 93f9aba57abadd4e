// The optional skin of the main window: a Qt style sheet in the file
// "x/o.cjs" beside the executable.
#pragma once

#include <string>

class QWidget;

namespace harvelux::shell {

// Where the skin is looked for: programFolder + "/x/o.cjs".
std::string skinPath(const std::string& programFolder);

// When the skin file is there (a regular file, links followed), gives the
// window and its frames, check boxes, option buttons and labels the
// button-face colour, then applies the file's style sheet to the window.
// Without the file the window keeps its own look. Returns whether the file
// was there.
bool ApplySkin(QWidget& window, const std::string& programFolder);

}  // namespace harvelux::shell
