// The documents and folders named on the desktop program's command line
// (`harvelux PATH...`, as a file manager's "Open With" starts it), which the
// main window adds at start-up as if they were dropped on its list.
#pragma once

#include <string>
#include <vector>

namespace harvelux::shell {

// The paths among the program's arguments (the program's own name left
// out), made absolute from `currentFolder`. A first "--" is skipped (a
// launcher may put it before the paths); every other argument is a path.
std::vector<std::string> startPaths(const std::vector<std::string>& arguments, const std::string& currentFolder);

}  // namespace harvelux::shell
