// What a screen reader and a keyboard user get from both windows and the
// list of unread documents: every control named and described, and every
// toolbar button reached with Tab or through the menus.
#include "ApplicationFixture.h"
#include "results/UnreadDialog.h"
#include "shell/CommandIds.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QTest>
#include <QToolBar>

#include <set>

namespace harvelux::shell::testing {
namespace {

// A control a user works with. The parts of a list (its header, scroll bars
// and viewport) are the list's own and are read with it.
bool isControl(const QWidget& widget) {
    for (const QWidget* above = widget.parentWidget(); above; above = above->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(above)) return false;
    return qobject_cast<const QAbstractButton*>(&widget) || qobject_cast<const QAbstractItemView*>(&widget) ||
           qobject_cast<const QMenuBar*>(&widget) || qobject_cast<const QMenu*>(&widget) ||
           qobject_cast<const QToolBar*>(&widget) || qobject_cast<const QProgressBar*>(&widget) ||
           qobject_cast<const QLineEdit*>(&widget) || qobject_cast<const QComboBox*>(&widget) ||
           qobject_cast<const QAbstractSpinBox*>(&widget) || qobject_cast<const QAbstractSlider*>(&widget) ||
           (widget.focusPolicy() & Qt::TabFocus) != 0;
}

// The controls without an accessible name or description, as
// "Class 'objectName' (name/description missing)".
std::vector<std::string> unnamedControls(const QWidget& window) {
    std::vector<std::string> unnamed;
    int controls = 0;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!isControl(*widget)) continue;
        ++controls;
        const bool named = !widget->accessibleName().trimmed().isEmpty();
        const bool described = !widget->accessibleDescription().trimmed().isEmpty();
        if (named && described) continue;
        unnamed.push_back(std::string(widget->metaObject()->className()) + " '" + widget->objectName().toStdString() +
                          "' (" + (named ? "" : "name ") + (described ? "" : "description ") + "missing)");
    }
    EXPECT_GE(controls, 3) << "the walk found hardly any controls in " << window.objectName().toStdString();
    return unnamed;
}

// The widgets Tab reaches from the window's first focus, once round.
std::set<QWidget*> reachedWithTab(QWidget& window) {
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    std::set<QWidget*> reached;
    for (int press = 0; press < 40; ++press) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus) break;
        reached.insert(focus);
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return reached;
}

using Accessibility = ApplicationFixture;

TEST_F(Accessibility, EveryControlOfBothWindowsAndTheUnreadListHasANameAndADescription) {
    start();
    resultsWindow().list();  // loads the window
    extract::RunSummary summary;
    summary.documents = 1;
    summary.unread = {{"/docs/broken.docx", "not a readable ZIP archive"}};
    resultsWindow().setRunSummary(summary);
    resultsWindow().showUnreadList();
    ASSERT_NE(resultsWindow().unreadDialog(), nullptr);

    EXPECT_EQ(unnamedControls(main()), std::vector<std::string>{});
    EXPECT_EQ(unnamedControls(resultsWindow()), std::vector<std::string>{});
    EXPECT_EQ(unnamedControls(*resultsWindow().unreadDialog()), std::vector<std::string>{});
}

TEST_F(Accessibility, TabReachesEveryToolbarButtonOfBothWindows) {
    start();
    resultsWindow().list();
    for (QWidget* window : {static_cast<QWidget*>(&main()), static_cast<QWidget*>(&resultsWindow())}) {
        const std::set<QWidget*> reached = reachedWithTab(*window);
        QToolBar* toolbar = window->findChild<QToolBar*>();
        ASSERT_NE(toolbar, nullptr);
        for (QAction* button : toolbar->actions())
            EXPECT_TRUE(reached.count(toolbar->widgetForAction(button)))
                << window->objectName().toStdString() << ": " << button->text().toStdString();
        window->hide();
    }
}

TEST_F(Accessibility, F10OpensTheMenusThatHoldEveryToolbarCommand) {
    start();
    main().show();
    QApplication::setActiveWindow(&main());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    QTest::keyClick(&main(), Qt::Key_F10);
    QMenuBar& menuBar = main().commandMenuBar();
    ASSERT_NE(menuBar.activeAction(), nullptr);
    EXPECT_EQ(menuBar.activeAction(), menuBar.actions().first());

    // Each toolbar command is also a menu item, so the keyboard reaches it
    // from there as well.
    const std::vector<std::pair<int, int>> toolbarToMenu{
        {command::kAddFiles, command::kMenuAddFiles},
        {command::kAddFolder, command::kMenuAddFolder},
        {command::kClearList, command::kMenuClearAll},
        {command::kLoadSamples, command::kMenuLoadSamples},
        {command::kStartExtracting, command::kMenuStartExtracting},
    };
    std::set<int> inMenus;
    for (QAction* popup : menuBar.actions())
        for (QAction* item : popup->menu()->actions()) inMenus.insert(item->data().toInt());
    for (QAction* button : main().standardToolbar().actions()) {
        const int id = button->data().toInt();
        const auto pair = std::find_if(toolbarToMenu.begin(), toolbarToMenu.end(),
                                       [id](const std::pair<int, int>& p) { return p.first == id; });
        ASSERT_NE(pair, toolbarToMenu.end()) << button->text().toStdString();
        EXPECT_TRUE(inMenus.count(pair->second)) << button->text().toStdString();
    }
}

}  // namespace
}  // namespace harvelux::shell::testing
