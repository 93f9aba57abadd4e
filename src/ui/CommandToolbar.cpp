#include "ui/CommandToolbar.h"

#include <QAction>
#include <QToolBar>

namespace harvelux {

QFont commandBarFont() {
    QFont font(QStringLiteral("Calibri"));
    font.setPointSize(11);
    return font;
}

void fillToolbar(QToolBar& toolbar, std::span<const ToolbarButton> buttons, const std::function<QIcon(int)>& iconOf) {
    toolbar.setMovable(false);
    toolbar.setFloatable(false);
    toolbar.setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar.setIconSize(QSize(kToolbarIconSize, kToolbarIconSize));
    toolbar.setFont(commandBarFont());
    for (const ToolbarButton& button : buttons) {
        QAction* action = toolbar.addAction(iconOf(button.id), QString::fromUtf8(button.caption));
        action->setData(button.id);
        action->setObjectName(QString::number(button.id));
        if (QWidget* control = toolbar.widgetForAction(action)) control->setFixedWidth(button.width);
    }
}

}  // namespace harvelux
