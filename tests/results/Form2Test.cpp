// The results window: loading, column layouts, rows, toolbar, commands,
// layout on resize, pointer and closing.
#include "ResultsTestSupport.h"

#include "common/Twips.h"
#include "results/ResultsIcons.h"
#include "results/ResultsLayout.h"
#include "results/ResultsViewControls.h"
#include "ui/CenterForm.h"
#include "ui/SetFormBackColors.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFont>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace harvelux::results::testing {
namespace {

using Form2Test = ResultsWindowTest;

std::vector<std::string> captions(const ResultsList& list) {
    std::vector<std::string> out;
    for (int k = 1; k <= list.columnCount(); ++k) out.push_back(list.columnCaption(k));
    return out;
}

void moveMouseOver(QWidget& widget) {
    const QPointF at(5, 5);
    QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

// The list's size for a window of the given outer size in pixels: 24 pixels
// (360 twips) narrower, and 1900 twips lower.
QSize listSizeFor(QSize outer) { return {outer.width() - 24, static_cast<int>((outer.height() * 15 - 1900 + 7) / 15)}; }

TEST_F(Form2Test, LoadsHiddenOnFirstTouchOfTheList) {
    EXPECT_FALSE(form->isLoaded());
    form->setFilenameColumns(false);
    EXPECT_TRUE(form->isLoaded());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Harvelux"));
    EXPECT_EQ(form->list().widget().objectName(), QStringLiteral("ListView1"));

    // Centred on the primary screen by its outer frame; hidden, it has none
    // yet, and the frame the layouts assume stands in for it.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize frame(twipsToPixels(kAssumedFrame.extraWidth), twipsToPixels(kAssumedFrame.extraHeight));
    EXPECT_NEAR(form->x(), (screen.width() - form->width() - frame.width()) / 2, 1);
    EXPECT_NEAR(form->y(), (screen.height() - form->height() - frame.height()) / 2, 1);
    EXPECT_EQ(form->size(), QSize(695, 487));
}

TEST(SetFormBackColorsTest, PaintsTheWindowAndOnlyItsOptionsCheckBoxesFramesAndLabels) {
    QWidget window;
    QPalette palette = window.palette();
    palette.setColor(QPalette::Button, QColor(10, 20, 30));
    window.setPalette(palette);
    auto* frame = new QGroupBox(QStringLiteral("Extract Option"), &window);
    const std::vector<QWidget*> painted{&window, frame, new QCheckBox(frame), new QRadioButton(&window),
                                        new QLabel(&window)};
    const std::vector<QWidget*> untouched{new QPushButton(&window), new QLineEdit(&window)};

    SetFormBackColors(window);
    for (QWidget* w : painted) {
        EXPECT_TRUE(w->autoFillBackground()) << w->metaObject()->className();
        EXPECT_EQ(w->palette().color(QPalette::Window), QColor(10, 20, 30)) << w->metaObject()->className();
    }
    for (QWidget* w : untouched) EXPECT_FALSE(w->autoFillBackground()) << w->metaObject()->className();
}

TEST_F(Form2Test, ColumnLayoutsOfBothOptionValues) {
    form->setFilenameColumns(false);
    ResultsList& list = form->list();
    EXPECT_EQ(captions(list), (std::vector<std::string>{"Email Results"}));
    EXPECT_EQ(list.columnWidthTwips(1), 9000);

    form->setFilenameColumns(true);
    EXPECT_EQ(captions(list), (std::vector<std::string>{"Filename", "Emails"}));
    EXPECT_EQ(list.columnWidthTwips(1), 4500);
    EXPECT_EQ(list.columnWidthTwips(2), 4500);
}

TEST_F(Form2Test, RowsAreAddedCheckedWithTheirCheckBoxShownInTheListFont) {
    fill(true, {{"/docs/a.docx", "a@b.cc"}, {"/docs/b.docx", "c@d.ee"}});
    ResultsList& list = form->list();
    ASSERT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.cell(2, 1), "/docs/b.docx");
    EXPECT_EQ(list.cell(2, 2), "c@d.ee");
    EXPECT_EQ(list.cell(3, 1), "");  // past the end reads as empty
    list.showPendingRows();
    QAbstractItemModel& model = *list.widget().model();
    ASSERT_EQ(model.rowCount(), 2);
    for (int r = 0; r < 2; ++r) EXPECT_EQ(model.data(model.index(r, 0), Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_TRUE(model.flags(model.index(0, 0)) & Qt::ItemIsUserCheckable);

    list.setChecked(1, false);
    EXPECT_FALSE(list.isChecked(1));
    EXPECT_TRUE(list.isChecked(2));

    const QFont font = list.widget().font();
    EXPECT_EQ(font.family(), QStringLiteral("Calibri"));
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 11.25);
    EXPECT_TRUE(font.bold());
}

TEST_F(Form2Test, SwitchingTheColumnsDropsTheRows) {
    form->setFilenameColumns(false);
    fill(false, {{"a@b.cc"}, {"c@d.ee"}});

    form->setFilenameColumns(true);
    EXPECT_EQ(form->list().rowCount(), 0);
    EXPECT_EQ(captions(form->list()), (std::vector<std::string>{"Filename", "Emails"}));

    fill(true, {{"/d/x.doc", "a@b.cc"}});
    form->setFilenameColumns(false);
    form->setFilenameColumns(false);  // twice in a row: same state
    EXPECT_EQ(form->list().rowCount(), 0);
    EXPECT_EQ(captions(form->list()), (std::vector<std::string>{"Email Results"}));
    EXPECT_EQ(form->list().columnWidthTwips(1), 9000);
}

TEST_F(Form2Test, BackEmptiesTheListShowsTheMainWindowAndHides) {
    fill(false, {{"first@run.com"}, {"second@run.com"}});
    form->showResults();
    EXPECT_TRUE(form->isVisible());

    form->CommandBars_Execute(kCommandBack);
    EXPECT_EQ(mainShown, 1);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->list().rowCount(), 0);
    EXPECT_EQ(captions(form->list()), (std::vector<std::string>{"Email Results"}));

    // The next run fills the list afresh.
    form->resultRows().addRow("next@run.com");
    form->showResults();
    ASSERT_EQ(form->list().rowCount(), 1);
    EXPECT_EQ(form->list().cell(1, 1), "next@run.com");
    EXPECT_EQ(programEnded, 0);
}

TEST_F(Form2Test, CommandDispatchClearsOnlyOn1004AndIgnoresUnknownIds) {
    fill(true, {{"/d/x.doc", "a@b.cc"}});
    for (int id : {0, 999, 1006, 2000, 2004}) form->CommandBars_Execute(id);
    EXPECT_EQ(form->list().rowCount(), 1);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.dialogTitles.empty());
    EXPECT_EQ(mainShown, 0);

    form->CommandBars_Execute(kCommandClearResults);
    EXPECT_EQ(form->list().rowCount(), 0);
    EXPECT_EQ(form->list().columnCount(), 2);  // the columns stay
    EXPECT_EQ(mainShown, 0);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Form2Test, ToolbarHasFiveCaptionedIconButtonsAndThereIsNoMenuBar) {
    form->setFilenameColumns(false);
    QToolBar& bar = form->toolBar();
    EXPECT_EQ(bar.objectName(), QStringLiteral("Standard"));
    EXPECT_EQ(bar.toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    EXPECT_EQ(bar.iconSize(), QSize(48, 48));
    // A menu bar above the toolbar (the keyboard's way to every command).
    EXPECT_EQ(form->findChildren<QMenuBar*>().size(), 1);
    EXPECT_LE(form->menuBar().geometry().bottom(), bar.geometry().top());

    const QList<QAction*> actions = bar.actions();
    ASSERT_EQ(actions.size(), 5);
    const std::vector<std::pair<int, QString>> expected{{1000, "Back"},
                                                        {1001, "Save Results"},
                                                        {1002, "Save Results With Commas"},
                                                        {1003, "Save Results To Clipboard"},
                                                        {1005, "Save Results As CSV"}};
    const int widths[] = {100, 100, 180, 180, 160};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(actions[i]->data().toInt(), expected[i].first);
        EXPECT_EQ(actions[i]->text(), expected[i].second);
        EXPECT_EQ(bar.widgetForAction(actions[i])->width(), widths[i]);
        EXPECT_FALSE(actions[i]->icon().pixmap(48, 48).isNull()) << expected[i].first;
    }
    EXPECT_FALSE(resultsCommandIcon(kCommandClearResults).pixmap(48, 48).isNull());
    EXPECT_TRUE(resultsCommandIcon(1006).isNull());

    // Pressing a button runs its command.
    form->resultRows().addRow("a@b.cc");
    form->showResults();
    actions[0]->trigger();
    EXPECT_EQ(mainShown, 1);
    EXPECT_EQ(form->list().rowCount(), 0);
}

TEST_F(Form2Test, ListFollowsTheWindowSizeAndKeepsSizesThatWouldBeNegative) {
    EXPECT_FALSE(resultsListSize(359, 1899).width);
    EXPECT_FALSE(resultsListSize(359, 1899).height);
    EXPECT_EQ(resultsListSize(360, 1900).width, 0);
    EXPECT_EQ(resultsListSize(360, 1900).height, 0);

    form->showResults();
    QAbstractItemView& view = form->list().widget();
    form->resize(800, 600);
    // The menu bar and the filter field above the list move it down and take
    // their height off the list's; the field is as wide as the list.
    const QLineEdit& filter = form->viewControls().filterField();
    const int menu = form->menuBar().height() + filter.height() + 4;
    const QPoint corner(8, 85 + menu);
    EXPECT_EQ(filter.geometry().topLeft(), QPoint(8, 85 + form->menuBar().height()));
    const QSize expected = listSizeFor(form->frameGeometry().size()) - QSize(0, menu);
    EXPECT_EQ(view.geometry(), QRect(corner, expected));
    EXPECT_EQ(filter.width(), view.width());

    form->resize(10, 10);  // both would be negative: both kept
    EXPECT_EQ(view.geometry(), QRect(corner, expected));
    form->resize(10, 700);  // only the width is kept
    EXPECT_EQ(view.geometry(),
              QRect(corner, QSize(expected.width(), listSizeFor(form->frameGeometry().size()).height() - menu)));
}

TEST_F(Form2Test, MinimisedWindowLaysTheListOutOnlyOnRestore) {
    form->showResults();
    form->resize(800, 600);
    QAbstractItemView& view = form->list().widget();
    const QSize before = view.size();
    form->showMinimized();
    form->resize(900, 700);
    EXPECT_EQ(view.size(), before);
    form->showNormal();
    const int above = form->menuBar().height() + form->viewControls().filterField().height() + 4;
    EXPECT_EQ(view.size(), listSizeFor(form->frameGeometry().size()) - QSize(0, above));
    EXPECT_NE(view.size(), before);
}

TEST_F(Form2Test, MouseMovePutsEveryPointerButTheHourglassBack) {
    form->showResults();
    QWidget& viewport = *form->list().widget().viewport();

    form->setCursor(Qt::CrossCursor);
    moveMouseOver(*form);
    EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor);

    form->setCursor(Qt::IBeamCursor);
    moveMouseOver(viewport);
    EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor);

    form->setCursor(Qt::WaitCursor);
    moveMouseOver(*form);
    moveMouseOver(viewport);
    EXPECT_EQ(form->cursor().shape(), Qt::WaitCursor);
}

TEST_F(Form2Test, ClosingTheWindowEndsTheProgramWithoutTheMainWindow) {
    fill(false, {{"a@b.cc"}});
    form->showResults();
    form->close();
    EXPECT_EQ(programEnded, 1);
    EXPECT_EQ(mainShown, 0);
}

}  // namespace
}  // namespace harvelux::results::testing

namespace harvelux::results::testing {
namespace {

// The menu bar's keys: Ctrl+S saves (the save dialog), Ctrl+C copies the
// selected rows, Alt+Left and Backspace go back; the buttons' tooltips say so.
TEST_F(Form2Test, MenuKeysSaveCopyTheSelectedRowsAndGoBack) {
    form->setFilenameColumns(true);
    for (const char* address : {"a@x.cc", "b@x.cc", "c@x.cc"})
        form->resultRows().setSecondColumn(form->resultRows().addRow("/d/1.doc"), address);
    form->showResults();
    QApplication::setActiveWindow(form.get());

    QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(platform.dialogTitles.size(), 1u);

    QAbstractItemView& view = form->list().widget();
    view.selectionModel()->select(view.model()->index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    view.selectionModel()->select(view.model()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::keyClick(form.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(platform.clipboard(), "/d/1.doc\ta@x.cc\r\n/d/1.doc\tc@x.cc\r\n");

    EXPECT_EQ(form->toolBar().actions()[0]->toolTip(), "Back (Alt+Left, Backspace)");
    EXPECT_EQ(form->toolBar().actions()[1]->toolTip(), "Save Results (Ctrl+S)");
    QTest::keyClick(form.get(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(mainShown, 1);
    EXPECT_FALSE(form->isVisible());
}

}  // namespace
}  // namespace harvelux::results::testing
