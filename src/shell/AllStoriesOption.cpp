#include "shell/AllStoriesOption.h"

#include "shell/CommandBarControls.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace harvelux::shell {

bool loadAllStories(SettingsStore& settings) {
    const std::string stored = settings.read(kAllStoriesKey, std::string());
    if (stored == "1") return true;
    if (stored != "0") storeAllStories(settings, false);
    return false;
}

void storeAllStories(SettingsStore& settings, bool on) { settings.write(kAllStoriesKey, on ? "1" : "0"); }

QAction* findMenuCommand(const QMenuBar& menuBar, int id) {
    for (QAction* popup : menuBar.actions()) {
        if (!popup->menu()) continue;
        for (QAction* control : popup->menu()->actions())
            if (CJ::controlId(*control) == id) return control;
    }
    return nullptr;
}

}  // namespace harvelux::shell
