#include "ui/CommandToolbar.h"

#include <QAction>
#include <QEvent>
#include <QKeySequence>
#include <QLayout>
#include <QToolBar>

#include <algorithm>
#include <vector>

namespace harvelux {

namespace {

constexpr const char* kDesignedWidth = "designedWidth";
constexpr const char* kFitterName = "harvelux_button_fitter";

// Lays the buttons out again whenever the toolbar changes size.
class ButtonFitter final : public QObject {
public:
    explicit ButtonFitter(QToolBar& toolbar) : QObject(&toolbar), toolbar_(toolbar) {
        setObjectName(QString::fromLatin1(kFitterName));
        toolbar.installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &toolbar_ && event->type() == QEvent::Resize) fitToolbarButtons(toolbar_);
        return QObject::eventFilter(watched, event);
    }

private:
    QToolBar& toolbar_;
};

}  // namespace

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
            control->setProperty(kDesignedWidth, button.width);
            // Tab reaches the buttons, and screen readers name them.
            control->setFocusPolicy(Qt::TabFocus);
            control->setAccessibleName(action->text());
        }
    }
    if (!toolbar.findChild<QObject*>(QString::fromLatin1(kFitterName), Qt::FindDirectChildrenOnly))
        new ButtonFitter(toolbar);
    if (toolbar.isVisible()) fitToolbarButtons(toolbar);
}

void fitToolbarButtons(QToolBar& toolbar) {
    std::vector<QWidget*> buttons;
    std::vector<int> designed;
    std::vector<int> natural;
    long long designedTotal = 0;
    for (QAction* action : toolbar.actions()) {
        QWidget* control = toolbar.widgetForAction(action);
        if (!control || !control->property(kDesignedWidth).isValid()) continue;
        buttons.push_back(control);
        designed.push_back(control->property(kDesignedWidth).toInt());
        natural.push_back(std::min(designed.back(), control->sizeHint().width()));
        designedTotal += designed.back();
    }
    if (buttons.empty()) return;

    const QLayout* layout = toolbar.layout();
    const QMargins margins = toolbar.contentsMargins() + (layout ? layout->contentsMargins() : QMargins());
    const int spacing = layout ? std::max(0, layout->spacing()) : 0;
    const long long available = toolbar.width() - margins.left() - margins.right() -
                                static_cast<long long>(spacing) * static_cast<long long>(buttons.size() - 1);

    long long slack = 0;
    for (std::size_t i = 0; i < buttons.size(); ++i) slack += designed[i] - natural[i];
    const long long deficit = std::max(0LL, designedTotal - available);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        int width = designed[i];
        if (deficit > slack) {
            // Not even the captions fit: each button as narrow as its
            // caption allows, and Qt's overflow button holds the rest.
            width = natural[i];
        } else if (deficit > 0 && slack > 0) {
            // Each button gives up the same share of its spare room.
            const long long cut = (static_cast<long long>(designed[i] - natural[i]) * deficit + slack - 1) / slack;
            width = designed[i] - static_cast<int>(cut);
        }
        if (buttons[i]->width() != width || buttons[i]->minimumWidth() != width) buttons[i]->setFixedWidth(width);
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
