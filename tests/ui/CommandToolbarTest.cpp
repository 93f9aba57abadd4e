// Toolbar buttons on toolbars of every width: the designed widths while they
// fit, narrower buttons (never narrower than their captions) before any
// button is put behind the overflow button.
#include "ui/CommandToolbar.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QToolBar>
#include <QWidget>

#include <numeric>
#include <vector>

namespace harvelux {
namespace {

constexpr ToolbarButton kButtons[] = {
    {1, "Back", 100},
    {2, "Save Results With Commas", 180},
    {3, "Save Results As CSV", 160},
};

struct Widths {
    std::vector<int> shown;
    std::vector<int> natural;
    int total = 0;
};

Widths widthsAt(int toolbarWidth) {
    QWidget window;
    auto* toolbar = new QToolBar(&window);
    fillToolbar(*toolbar, kButtons, [](int) { return QIcon(); });
    window.resize(toolbarWidth + 50, 200);
    toolbar->setGeometry(0, 0, toolbarWidth, 90);
    window.show();
    Widths widths;
    for (QAction* action : toolbar->actions()) {
        QWidget* button = toolbar->widgetForAction(action);
        widths.shown.push_back(button->width());
        widths.natural.push_back(button->sizeHint().width());
    }
    widths.total = std::accumulate(widths.shown.begin(), widths.shown.end(), 0);
    return widths;
}

TEST(CommandToolbar, ButtonsKeepTheirWidthsWhileTheyFitAndShrinkNoFurtherThanTheirCaptions) {
    EXPECT_EQ(widthsAt(600).shown, (std::vector<int>{100, 180, 160}));

    // Narrower than the designed 440 pixels: every button still shown, none
    // narrower than its caption needs.
    const Widths narrow = widthsAt(420);
    EXPECT_LT(narrow.total, 440);
    EXPECT_LE(narrow.total, 420);
    for (std::size_t i = 0; i < narrow.shown.size(); ++i) EXPECT_GE(narrow.shown[i], narrow.natural[i]) << i;

    // Far too narrow for the captions: each as narrow as its caption.
    const Widths tiny = widthsAt(120);
    for (std::size_t i = 0; i < tiny.shown.size(); ++i) EXPECT_EQ(tiny.shown[i], tiny.natural[i]) << i;
}

}  // namespace
}  // namespace harvelux
