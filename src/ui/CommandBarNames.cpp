#include "ui/CommandBarNames.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace harvelux {

namespace {

void nameWidget(QWidget& widget, const QString& name, const QString& description) {
    widget.setAccessibleName(name);
    widget.setAccessibleDescription(description);
}

// Qt's button for what does not fit on a bar, and the menu it opens. The
// menu bar makes that menu only when its items first overflow, unless it
// has one already: it is given its named menu here.
void nameOverflow(QWidget& bar, const char* objectName, const QString& name, const QString& description,
                  bool makeMenu) {
    auto* button = bar.findChild<QToolButton*>(QString::fromLatin1(objectName), Qt::FindDirectChildrenOnly);
    if (!button) return;
    nameWidget(*button, name, description);
    if (!button->menu() && makeMenu) button->setMenu(new QMenu(&bar));
    if (QMenu* menu = button->menu()) nameWidget(*menu, name, description);
}

}  // namespace

void nameCommandBars(QMenuBar& menuBar, QToolBar& toolbar) {
    nameWidget(menuBar, QStringLiteral("Menu bar"), QStringLiteral("Every command of the window; F10 or Alt opens it"));
    for (QAction* popup : menuBar.actions()) {
        QMenu* menu = popup->menu();
        if (!menu) continue;
        // A menu that was named where it was made keeps its name.
        if (!menu->accessibleName().isEmpty()) continue;
        const QString title = popup->text().remove(QLatin1Char('&'));
        nameWidget(*menu, title, QStringLiteral("The %1 menu").arg(title));
    }
    nameOverflow(menuBar, "qt_menubar_ext_button", QStringLiteral("More menus"),
                 QStringLiteral("The menus that do not fit on the menu bar"), true);
    nameWidget(toolbar, QStringLiteral("Toolbar"),
               QStringLiteral("The window's main commands as buttons; Tab reaches them"));
    nameOverflow(toolbar, "qt_toolbar_ext_button", QStringLiteral("More commands"),
                 QStringLiteral("The toolbar buttons that do not fit on the toolbar"), false);
}

}  // namespace harvelux
