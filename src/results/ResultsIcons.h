// The results window's icon store: 48 x 48 icons keyed by command ID.
#pragma once

class QIcon;

namespace harvelux::results {

// The icon of command `id` (1000 to 1004); a null icon for other IDs.
QIcon resultsCommandIcon(int id);

}  // namespace harvelux::results
