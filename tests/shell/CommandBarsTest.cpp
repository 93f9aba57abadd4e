// The command bars as built: the toolbar "Standard", the two menus, their
// IDs, captions, group separators, widths, fonts and icons.
#include "FormFixture.h"
#include "shell/CommandBarControls.h"
#include "shell/CommandIds.h"
#include "shell/IconStore.h"

#include <gmock/gmock.h>

#include <QToolButton>

namespace harvelux::shell::testing {
namespace {

using ::testing::ElementsAre;

struct Control {
    int id;
    std::string caption;
    bool operator==(const Control& other) const { return id == other.id && caption == other.caption; }
};
void PrintTo(const Control& c, std::ostream* os) { *os << c.id << " " << c.caption; }

std::vector<Control> controlsOf(const QList<QAction*>& actions) {
    std::vector<Control> controls;
    for (const QAction* a : actions)
        controls.push_back(a->isSeparator() ? Control{-1, "---"} : Control{a->data().toInt(), a->text().toStdString()});
    return controls;
}

using CommandBars = FormFixture;

TEST_F(CommandBars, ToolbarHasFiveCaptionedButtonsInOrder) {
    QToolBar& toolbar = form->standardToolbar();
    EXPECT_EQ(toolbar.objectName(), "Standard");
    EXPECT_THAT(controlsOf(toolbar.actions()),
                ElementsAre(Control{1000, "Add Files"}, Control{1001, "Add Folder"}, Control{1003, "Clear List"},
                            Control{1004, "Load Samples Files"}, Control{1002, "Start Extracting"}));
    EXPECT_EQ(toolbar.iconSize(), QSize(48, 48));
    EXPECT_EQ(toolbar.toolButtonStyle(), Qt::ToolButtonTextUnderIcon);

    std::vector<int> widths;
    for (QAction* a : toolbar.actions()) widths.push_back(toolbar.widgetForAction(a)->width());
    EXPECT_THAT(widths, ElementsAre(100, 100, 100, 130, 110));
    EXPECT_EQ(toolbar.font().family(), "Calibri");
    EXPECT_EQ(toolbar.font().pointSize(), 11);
}

TEST_F(CommandBars, MenuBarHasFileAndHelpWithTheirItemsAndGroups) {
    QMenuBar& menuBar = form->commandMenuBar();
    const QList<QAction*> menus = menuBar.actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), "&File");
    EXPECT_EQ(menus[1]->text(), "&Help");
    EXPECT_EQ(menus[0]->data().toInt(), 0);
    EXPECT_EQ(menus[1]->data().toInt(), 0);

    EXPECT_THAT(
        controlsOf(menus[0]->menu()->actions()),
        ElementsAre(Control{2000, "&Add Files"}, Control{2001, "Add &Folder"}, Control{-1, "---"},
                    Control{2005, "&Start Extracting"}, Control{-1, "---"}, Control{2002, "&Clear Selected Files"},
                    Control{2003, "&Clear All Files"}, Control{-1, "---"},
                    Control{2012, "Search &Whole Documents (Headers, Notes, Text Boxes, Links)"},
                    Control{2016, "Find &International Addresses"}, Control{2017, "Read Scanned &Pages and Pictures"},
                    Control{-1, "---"}, Control{2004, "&Exit"}));
    EXPECT_THAT(controlsOf(menus[1]->menu()->actions()),
                ElementsAre(Control{2008, "&Load Sample/Example Files To Test With"}, Control{2010, "Quenbrook &FAQ"},
                            Control{2009, "&Watch Old Demo Video"}, Control{2007, "&Additional Help"},
                            Control{2011, "&Go To Quenbrook.com For More Apps"}, Control{-1, "---"},
                            Control{2006, "A&bout Harvelux"}));
    EXPECT_EQ(menuBar.font().family(), "Calibri");
    EXPECT_EQ(menus[1]->menu()->font().pointSize(), 11);
}

TEST_F(CommandBars, EveryControlShowsTheIconKeyedByItsId) {
    for (const int id : {1000, 1001, 1002, 1003, 1004}) {
        QAction* a = action(id);
        ASSERT_NE(a, nullptr);
        EXPECT_TRUE(a->icon().availableSizes().contains(QSize(48, 48))) << id;
        EXPECT_EQ(a->icon().pixmap(48).toImage(), commandIcon(id).pixmap(48).toImage()) << id;
    }
    for (const int id : {2000, 2001, 2002, 2003, 2004, 2007, 2008, 2009, 2010, 2011}) {
        QAction* a = action(id);
        ASSERT_NE(a, nullptr);
        EXPECT_TRUE(a->icon().availableSizes().contains(QSize(16, 16))) << id;
        EXPECT_FALSE(a->icon().pixmap(16).toImage().isNull()) << id;
    }
    // Different commands look different.
    EXPECT_NE(commandIcon(1000).pixmap(48).toImage(), commandIcon(1001).pixmap(48).toImage());
    EXPECT_NE(commandIcon(2007).pixmap(16).toImage(), commandIcon(2010).pixmap(16).toImage());
    EXPECT_TRUE(commandIcon(1005).isNull());
    EXPECT_TRUE(applicationIcon().availableSizes().contains(QSize(32, 32)));
    EXPECT_FALSE(form->windowIcon().isNull());
}

// A control that begins a group gets a separator before it and shows its
// description in the status bar; a popup control gets its own menu.
TEST(CJ, AddControlSeparatesGroupsAndMakesPopupMenus) {
    QMenu menu;
    QAction* first = CJ::AddControl(menu, CJ::kControlButton, 2000, "&Add", false, "", 0, "Controls");
    QAction* grouped = CJ::AddControl(menu, CJ::kControlButton, 2002, "&Clear", true, "Removes", 3, "Edit");
    ASSERT_EQ(menu.actions().size(), 3);
    EXPECT_EQ(menu.actions()[0], first);
    EXPECT_TRUE(menu.actions()[1]->isSeparator());
    EXPECT_EQ(menu.actions()[2], grouped);
    EXPECT_EQ(grouped->statusTip(), "Removes");

    QAction* popup = CJ::AddControl(menu, CJ::kControlPopup, 0, "&More", false, "", 0, "Controls");
    ASSERT_NE(popup->menu(), nullptr);
    EXPECT_EQ(popup->menu()->title(), "&More");
}

}  // namespace
}  // namespace harvelux::shell::testing
