#include "shell/CommandBarControls.h"

#include <QAction>
#include <QMenu>
#include <QString>
#include <QWidget>

namespace harvelux::shell::CJ {

QAction* AddControl(QWidget& collection, int type, int id, const QString& caption, bool beginGroup,
                    const QString& description, int style, const QString& category) {
    if (beginGroup) {
        auto* separator = new QAction(&collection);
        separator->setSeparator(true);
        collection.addAction(separator);
    }
    QAction* control = nullptr;
    if (type == kControlPopup) {
        auto* menu = new QMenu(caption, &collection);
        control = menu->menuAction();
    } else {
        control = new QAction(caption, &collection);
    }
    control->setData(id);
    collection.addAction(control);
    control->setProperty("beginGroup", beginGroup);
    control->setStatusTip(description);
    control->setProperty("description", description);
    control->setProperty("style", style);
    control->setProperty("category", category);
    return control;
}

int controlId(const QAction& control) { return control.data().toInt(); }

}  // namespace harvelux::shell::CJ
