#pragma once

class QWidget;

namespace harvelux {

// Gives the window, and every option button, check box, frame (group box)
// and label on it, the system colour for button faces as background. Other
// controls keep theirs.
void SetFormBackColors(QWidget& window);

}  // namespace harvelux
