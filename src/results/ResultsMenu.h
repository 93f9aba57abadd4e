// The results window's menu bar: "&File" (the saves, "E&xit"), "&Edit"
// (copying the selected rows, the clipboard export, ticking, the filter,
// clearing), the window's "&Columns" (added by the window) and "&Go"
// ("&Back"), with the keys a desktop program answers
// to: Ctrl+S, Ctrl+C, Ctrl+F, Alt+Left and Backspace, Ctrl+Q. Each item carries the command ID it runs,
// the toolbar's where the toolbar has the same command.
#pragma once

#include <QKeySequence>
#include <QList>

class QMenuBar;
class QToolBar;

namespace harvelux::results {

// Commands only the menu has (the toolbar's are in Form2.h).
enum ResultsMenuCommand : int {
    kCommandCopySelected = 1010,
    kCommandExit = 1011,
    kCommandTickAll = 1012,
    kCommandUntickAll = 1013,
    kCommandTickShownOnly = 1014,
    kCommandCopyAddress = 1015,
    kCommandOpenDocument = 1016,
    kCommandShowInFolder = 1017,
    kCommandOrderFound = 1018,
    kCommandFilter = 1019,
};

// Fills the menu bar (emptied first).
void CreateResultsMenu(QMenuBar& menuBar);

// The keys of the menu item that runs command `id` (none when no item does).
QList<QKeySequence> resultsCommandKeys(const QMenuBar& menuBar, int id);

// Gives every toolbar button a tooltip naming the keys of its command.
void NameShortcutsOnResultsToolbar(QToolBar& toolbar, const QMenuBar& menuBar);

}  // namespace harvelux::results
