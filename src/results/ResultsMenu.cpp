#include "results/ResultsMenu.h"

#include "results/Form2.h"
#include "ui/CommandToolbar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace harvelux::results {

namespace {

struct MenuItem {
    int id;
    const char* caption;
    bool beginGroup = false;
    const char* shortcuts = "";  // "Alt+Left; Backspace": the first is shown
};

struct Menu {
    const char* caption;
    std::initializer_list<MenuItem> items;
};

const Menu kMenus[] = {
    {"&File",
     {
         {kCommandSaveResults, "&Save Results", false, "Ctrl+S"},
         {kCommandSaveComma, "Save Results With &Commas"},
         {kCommandExit, "E&xit", true, "Ctrl+Q"},
     }},
    {"&Edit",
     {
         {kCommandCopySelected, "&Copy Selected Rows", false, "Ctrl+C"},
         {kCommandCopyToClipboard, "Save Results To C&lipboard"},
         {kCommandTickAll, "&Tick All", true},
         {kCommandUntickAll, "&Untick All"},
         {kCommandTickShownOnly, "Tick S&hown Only"},
         {kCommandFilter, "&Filter", true, "Ctrl+F"},
         {kCommandClearResults, "Clea&r Results", true},
     }},
    {"&Go",
     {
         {kCommandBack, "&Back", false, "Alt+Left; Backspace"},
     }},
};

}  // namespace

void CreateResultsMenu(QMenuBar& menuBar) {
    menuBar.clear();
    menuBar.setFont(commandBarFont());
    menuBar.setNativeMenuBar(false);
    for (const Menu& menu : kMenus) {
        QMenu* popup = menuBar.addMenu(QString::fromUtf8(menu.caption));
        popup->setFont(menuBar.font());
        for (const MenuItem& item : menu.items) {
            if (item.beginGroup) popup->addSeparator();
            QAction* action = popup->addAction(QString::fromUtf8(item.caption));
            action->setData(item.id);
            action->setShortcuts(QKeySequence::listFromString(QString::fromUtf8(item.shortcuts)));
        }
    }
}

QList<QKeySequence> resultsCommandKeys(const QMenuBar& menuBar, int id) {
    for (const QAction* popup : menuBar.actions()) {
        if (!popup->menu()) continue;
        for (const QAction* item : popup->menu()->actions())
            if (!item->isSeparator() && item->data().toInt() == id) return item->shortcuts();
    }
    return {};
}

void NameShortcutsOnResultsToolbar(QToolBar& toolbar, const QMenuBar& menuBar) {
    for (QAction* button : toolbar.actions())
        describeButton(*button, resultsCommandKeys(menuBar, button->data().toInt()));
}

}  // namespace harvelux::results
