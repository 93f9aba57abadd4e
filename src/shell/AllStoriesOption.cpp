#include "shell/AllStoriesOption.h"

#include "shell/CommandBarControls.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace harvelux::shell {

QAction* findMenuCommand(const QMenuBar& menuBar, int id) {
    for (QAction* popup : menuBar.actions()) {
        if (!popup->menu()) continue;
        for (QAction* control : popup->menu()->actions())
            if (CJ::controlId(*control) == id) return control;
    }
    return nullptr;
}

}  // namespace harvelux::shell
