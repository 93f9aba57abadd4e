// The toolbar look both windows share: captioned buttons with the text under
// a 48 x 48 icon, in Calibri 11, fixed at the top of the window. Each button
// carries its command ID; the window dispatches on it.
#pragma once

#include <QFont>
#include <QIcon>
#include <QList>

#include <functional>
#include <span>

class QAction;
class QKeySequence;
class QToolBar;

namespace harvelux {

inline constexpr int kToolbarIconSize = 48;

struct ToolbarButton {
    int id;
    const char* caption;
    int width;  // pixels
};

// Calibri, 11 point: the toolbars' and the menu bar's font.
QFont commandBarFont();

// Gives the toolbar the shared look, then adds one button per entry, in
// order: its action carries the command ID as data and as object name and
// shows `iconOf(id)`, and its button is `width` pixels wide, reached with
// Tab and named for screen readers. The buttons keep their widths while the
// toolbar holds them all; on a narrower toolbar they give up the room their
// captions do not need, so no button is hidden behind the overflow button
// while there is room for its caption.
void fillToolbar(QToolBar& toolbar, std::span<const ToolbarButton> buttons, const std::function<QIcon(int)>& iconOf);

// Fits the buttons to the toolbar's width as fillToolbar describes; the
// toolbar calls it whenever its size changes.
void fitToolbarButtons(QToolBar& toolbar);

// The button's tooltip (and accessible description): its caption and the
// keys that run its command, "Add Files (Ctrl+O)".
void describeButton(QAction& button, const QList<QKeySequence>& keys);

}  // namespace harvelux
