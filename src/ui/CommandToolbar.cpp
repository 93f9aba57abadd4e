#include "ui/CommandToolbar.h"

#include <QAction>
#include <QKeySequence>
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
        if (QWidget* control = toolbar.widgetForAction(action)) {
            control->setFixedWidth(button.width);
            // Tab reaches the buttons, and screen readers name them.
            control->setFocusPolicy(Qt::TabFocus);
            control->setAccessibleName(action->text());
        }
    }
}

void describeButton(QAction& button, const QList<QKeySequence>& keys) {
    QStringList names;
    for (const QKeySequence& key : keys)
        if (!key.isEmpty()) names << key.toString(QKeySequence::NativeText);
    const QString caption = button.text().remove(QLatin1Char('&'));
    button.setToolTip(names.isEmpty() ? caption
                                      : QStringLiteral("%1 (%2)").arg(caption, names.join(QStringLiteral(", "))));
    if (QToolBar* toolbar = qobject_cast<QToolBar*>(button.parent()))
        if (QWidget* control = toolbar->widgetForAction(&button)) {
            control->setAccessibleName(caption);
            control->setAccessibleDescription(button.toolTip());
        }
}

}  // namespace harvelux
