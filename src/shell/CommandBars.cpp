#include "shell/CommandBars.h"

#include "shell/AllStoriesOption.h"
#include "shell/CommandBarControls.h"
#include "shell/CommandIds.h"
#include "shell/IconStore.h"
#include "shell/OcrOption.h"
#include "ui/CommandToolbar.h"

#include <QAction>
#include <QFont>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace harvelux::shell {

namespace {

constexpr ToolbarButton kToolbarButtons[] = {
    {command::kAddFiles, "Add Files", 100},
    {command::kAddFolder, "Add Folder", 100},
    {command::kClearList, "Clear List", 100},
    {command::kLoadSamples, "Load Samples Files", 130},
    {command::kStartExtracting, "Start Extracting", 110},
};

struct MenuItem {
    int id;
    const char* caption;
    bool beginGroup;
    bool checkable = false;
};

constexpr MenuItem kFileMenu[] = {
    {command::kMenuAddFiles, "&Add Files", false},
    {command::kMenuAddFolder, "Add &Folder", false},
    {command::kMenuClearSelected, "&Clear Selected Files", true},
    {command::kMenuClearAll, "&Clear All Files", false},
    {command::kMenuAllStories, kAllStoriesCaption, true, true},
    {command::kMenuOcr, kOcrCaption, false, true},
    {command::kMenuExit, "&Exit", true},
};

constexpr MenuItem kHelpMenu[] = {
    {command::kMenuLoadSamples, "&Load Sample/Example Files To Test With", false},
    {command::kMenuFaq, "Quenbrook &FAQ", false},
    {command::kMenuVideo, "&Watch Old Demo Video", false},
    {command::kMenuHelp, "&Additional Help", false},
    {command::kMenuHomePage, kHomePageCaption, false},
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
        control->setIcon(commandIcon(item.id));
        control->setIconVisibleInMenu(true);
        control->setCheckable(item.checkable);
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

}  // namespace harvelux::shell
