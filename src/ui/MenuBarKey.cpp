#include "ui/MenuBarKey.h"

#include <QKeySequence>
#include <QMenuBar>
#include <QShortcut>
#include <QWidget>

namespace harvelux::ui {

void openMenuBarOnF10(QWidget& window, QMenuBar& menuBar) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F10), &window);
    QObject::connect(key, &QShortcut::activated, &menuBar, [&menuBar] {
        if (menuBar.actions().isEmpty()) return;
        menuBar.setFocus(Qt::ShortcutFocusReason);
        menuBar.setActiveAction(menuBar.actions().first());
    });
}

}  // namespace harvelux::ui
