#include "shell/CommandBars.h"

#include "shell/AllStoriesOption.h"
#include "shell/CommandBarControls.h"
#include "shell/CommandIds.h"
#include "shell/IconStore.h"
#include "shell/InternationalOption.h"
#include "shell/OcrOption.h"
#include "ui/CommandToolbar.h"

#include <QAction>
#include <QFont>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <utility>

namespace harvelux::shell {

namespace {

constexpr ToolbarButton kToolbarButtons[] = {
    {command::kAddFiles, "Add Files", 100},
    {command::kAddFolder, "Add Folder", 100},
    {command::kClearList, "Clear List", 100},
    {command::kLoadSamples, "Load Samples Files", 130},
    {command::kStartExtracting, "Start Extracting", 110},
};

// A menu item. `shortcuts` lists its keys ("Ctrl+Return; F5"), the first
// shown in the menu; a checkable item shows a check mark instead of an icon.
struct MenuItem {
    int id;
    const char* caption;
    bool beginGroup;
    bool checkable = false;
    const char* shortcuts = "";
};

constexpr MenuItem kFileMenu[] = {
    {command::kMenuAddFiles, "&Add Files", false, false, "Ctrl+O"},
    {command::kMenuAddFolder, "Add &Folder", false, false, "Ctrl+Shift+O"},
    {command::kMenuStartExtracting, kStartCaption, true, false, "Ctrl+Return; Ctrl+Enter; F5"},
    {command::kMenuClearSelected, "&Clear Selected Files", true},
    {command::kMenuClearAll, "&Clear All Files", false},
    {command::kMenuAllStories, kAllStoriesCaption, true, true},
    {command::kMenuInternational, kInternationalCaption, false, true},
    {command::kMenuOcr, kOcrCaption, false, true},
    {command::kMenuExit, "&Exit", true, false, "Ctrl+Q"},
};

constexpr MenuItem kHelpMenu[] = {
    {command::kMenuLoadSamples, "&Load Sample/Example Files To Test With", false},
    {command::kMenuFaq, "Quenbrook &FAQ", false},
    {command::kMenuVideo, "&Watch Old Demo Video", false},
    {command::kMenuHelp, "&Additional Help", false},
    {command::kMenuHomePage, kHomePageCaption, false},
    {command::kMenuAbout, "A&bout Harvelux", true},
};

// The toolbar button and the menu item that run the same command: the
// button's tooltip names the item's keys.
constexpr std::pair<int, int> kToolbarToMenu[] = {
    {command::kAddFiles, command::kMenuAddFiles},
    {command::kAddFolder, command::kMenuAddFolder},
    {command::kClearList, command::kMenuClearAll},
    {command::kLoadSamples, command::kMenuLoadSamples},
    {command::kStartExtracting, command::kMenuStartExtracting},
};

QMenu* addPopup(QMenuBar& menuBar, const char* caption) {
    QAction* popup = CJ::AddControl(menuBar, CJ::kControlPopup, command::kPopup, QString::fromUtf8(caption), false,
                                    QString(), 0, QStringLiteral("Controls"));
    QMenu* menu = popup->menu();
    menu->setFont(menuBar.font());
    return menu;
}

template <std::size_t N>
void fillMenu(QMenu& menu, const MenuItem (&items)[N]) {
    for (const MenuItem& item : items) {
        QAction* control = CJ::AddControl(menu, CJ::kControlButton, item.id, QString::fromUtf8(item.caption),
                                          item.beginGroup, QString(), 0, QStringLiteral("Controls"));
        // Styles draw a checked item with an icon as a framed icon, which
        // hardly shows: a checkable item has a check mark and no icon.
        control->setCheckable(item.checkable);
        if (!item.checkable) {
            control->setIcon(commandIcon(item.id));
            control->setIconVisibleInMenu(true);
        }
        control->setShortcuts(QKeySequence::listFromString(QString::fromUtf8(item.shortcuts)));
    }
}

}  // namespace

void CreateToolbar(QToolBar& toolbar, QMenuBar& menuBar) {
    toolbar.setObjectName(QString::fromLatin1(kToolbarName));
    toolbar.setWindowTitle(QString::fromLatin1(kToolbarName));
    fillToolbar(toolbar, kToolbarButtons, &commandIcon);
    toolbar.setAllowedAreas(Qt::TopToolBarArea);
    menuBar.setFont(commandBarFont());
    // Menus stay inside the window, also on desktops with a global menu bar.
    menuBar.setNativeMenuBar(false);
}

void CreateMenu(QMenuBar& menuBar) {
    fillMenu(*addPopup(menuBar, "&File"), kFileMenu);
    fillMenu(*addPopup(menuBar, "&Help"), kHelpMenu);
}

void ShowRunState(QToolBar& toolbar, const QMenuBar& menuBar, bool running) {
    QAction* item = findMenuCommand(menuBar, command::kMenuStartExtracting);
    if (item) {
        item->setText(QString::fromUtf8(running ? kStopCaption : kStartCaption));
        item->setIcon(running ? stopIcon(kMenuIconSize) : commandIcon(command::kMenuStartExtracting));
    }
    for (QAction* button : toolbar.actions()) {
        if (CJ::controlId(*button) != command::kStartExtracting) continue;
        button->setText(QString::fromUtf8(running ? "Stop Extracting" : "Start Extracting"));
        button->setIcon(running ? stopIcon(kToolbarIconSize) : commandIcon(command::kStartExtracting));
        QList<QKeySequence> keys{QKeySequence(Qt::Key_Escape)};
        if (!running) keys = item ? item->shortcuts() : QList<QKeySequence>{};
        describeButton(*button, keys);
    }
}

void NameShortcutsOnToolbar(QToolBar& toolbar, const QMenuBar& menuBar) {
    for (const auto& [button, item] : kToolbarToMenu) {
        const QAction* menuItem = findMenuCommand(menuBar, item);
        for (QAction* control : toolbar.actions())
            if (CJ::controlId(*control) == button && menuItem) describeButton(*control, menuItem->shortcuts());
    }
}

}  // namespace harvelux::shell
