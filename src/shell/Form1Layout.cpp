#include "shell/Form1Layout.h"

#include <algorithm>
#include <cstdlib>

namespace harvelux::shell {

std::optional<MainLayout> layoutMainWindow(long long outerWidth, long long outerHeight, bool minimised,
                                           bool listHasColumn) {
    if (minimised) return std::nullopt;
    MainLayout layout;
    layout.listTop = kListTop;
    layout.listWidth = std::max(0LL, outerWidth - 360);
    // Below an outer height of 3600 the list grows again rather than taking a
    // negative height.
    layout.listHeight = std::llabs(outerHeight - 3600);
    layout.frameTop = outerHeight - 1900;
    layout.frameWidth = layout.listWidth;
    layout.progressTop = outerHeight - 1030;
    layout.progressWidth = layout.listWidth;
    if (listHasColumn) layout.columnWidth = std::max(0LL, layout.listWidth - 500);
    return layout;
}

}  // namespace harvelux::shell
