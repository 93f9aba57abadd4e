// Command-bar helper: adds one command control to a control collection (a
// menu, a toolbar or the menu bar).
#pragma once

class QAction;
class QString;
class QWidget;

namespace harvelux::shell::CJ {

inline constexpr int kControlButton = 1;
inline constexpr int kControlPopup = 2;

// Adds a control of `type` with its command ID and caption to `collection`,
// draws a separator above it when it starts a group, and records the
// description (also shown as status tip), style number and category on it.
// A pop-up control gets a menu of its own (QAction::menu()). Returns the
// new control.
QAction* AddControl(QWidget& collection, int type, int id, const QString& caption, bool beginGroup,
                    const QString& description, int style, const QString& category);

// The command ID a control carries (0 for none).
int controlId(const QAction& control);

}  // namespace harvelux::shell::CJ
