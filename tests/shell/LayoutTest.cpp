// The layout arithmetic on its own, and as applied to the window's controls.
#include "FormFixture.h"
#include "common/Twips.h"
#include "shell/Form1Layout.h"

#include <QCheckBox>
#include <QGroupBox>

namespace harvelux::shell::testing {
namespace {

TEST(MainLayout, FollowsTheOuterSize) {
    const auto layout = layoutMainWindow(9210, 10800, false, true);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->listTop, 1660);
    EXPECT_EQ(layout->listWidth, 8850);
    EXPECT_EQ(layout->listHeight, 7200);
    EXPECT_EQ(layout->frameTop, 8900);
    EXPECT_EQ(layout->frameWidth, 8850);
    EXPECT_EQ(layout->progressTop, 9770);
    EXPECT_EQ(layout->progressWidth, 8850);
    EXPECT_EQ(layout->columnWidth, 8350);
}

TEST(MainLayout, ListHeightIsTheDistanceFrom3600) {
    EXPECT_EQ(layoutMainWindow(6000, 3600, false, true)->listHeight, 0);
    EXPECT_EQ(layoutMainWindow(6000, 3000, false, true)->listHeight, 600);
    EXPECT_EQ(layoutMainWindow(6000, 4000, false, true)->listHeight, 400);
}

TEST(MainLayout, MinimisedChangesNothingAndNoColumnNoWidth) {
    EXPECT_FALSE(layoutMainWindow(9210, 10800, true, true));
    EXPECT_FALSE(layoutMainWindow(9210, 10800, false, false)->columnWidth);
}

TEST(MainLayout, VeryNarrowWindowKeepsWidthsNonNegative) {
    const auto layout = layoutMainWindow(600, 5000, false, true);
    EXPECT_EQ(layout->listWidth, 240);
    EXPECT_EQ(layout->columnWidth, 0);
    EXPECT_EQ(layoutMainWindow(200, 5000, false, true)->listWidth, 0);
}

using WindowLayout = FormFixture;

QRect twips(long long left, long long top, long long width, long long height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

TEST_F(WindowLayout, BuiltInSizePlacesTheControls) {
    form->show();
    EXPECT_EQ(form->size(), QSize(606, 689));  // 9090 x 10335 twips
    // Outer size 9210 x 10800 with the standard frame.
    EXPECT_EQ(form->ListView1().geometry(), twips(120, 1660, 8850, 7200));
    EXPECT_EQ(form->Frame1().geometry(), twips(120, 8900, 8850, 700));
    EXPECT_EQ(form->ProgressBar1().geometry(), twips(120, 9770, 8850, 405));
    EXPECT_EQ(form->Check1().geometry(), twips(240, 300, 5655, 255));
    // At least the width the layout gives it, and on to the list's right edge.
    EXPECT_GE(form->ListView1().columnWidth(0), twipsToPixels(8350));
    EXPECT_EQ(form->ListView1().columnWidth(0), form->ListView1().viewport()->width());
    // The command bars fit above the list.
    EXPECT_LE(form->standardToolbar().geometry().bottom(), form->ListView1().geometry().top());
}

TEST_F(WindowLayout, ResizeStretchesAndMovesWithTheBottomEdge) {
    form->show();
    form->resize(1000, 800);
    const long long w = pixelsToTwips(1000) + kOuterExtraWidth;
    const long long h = pixelsToTwips(800) + kOuterExtraHeight;
    EXPECT_EQ(form->ListView1().geometry(), twips(120, 1660, w - 360, h - 3600));
    EXPECT_EQ(form->Frame1().geometry(), twips(120, h - 1900, w - 360, 700));
    EXPECT_EQ(form->ProgressBar1().geometry(), twips(120, h - 1030, w - 360, 405));
    EXPECT_EQ(form->Check1().geometry(), twips(240, 300, 5655, 255));
    EXPECT_GE(form->ListView1().columnWidth(0), twipsToPixels(w - 860));
    EXPECT_EQ(form->ListView1().columnWidth(0), form->ListView1().viewport()->width());
}

TEST_F(WindowLayout, MinimisingLeavesControlsAndRestoringLaysOutAgain) {
    form->show();
    const QRect before = form->ListView1().geometry();
    form->setWindowState(Qt::WindowMinimized);
    form->resize(900, 900);
    ASSERT_TRUE(form->isMinimized());
    EXPECT_EQ(form->ListView1().geometry(), before);
    form->setWindowState(Qt::WindowNoState);
    form->resize(900, 900);
    EXPECT_EQ(form->ListView1().width(), twipsToPixels(pixelsToTwips(900) + kOuterExtraWidth - 360));
}

TEST_F(WindowLayout, LooksOfTheControls) {
    EXPECT_EQ(form->windowTitle(), "Harvelux");
    EXPECT_EQ(form->Frame1().title(), "Extract Option");
    EXPECT_EQ(form->Check1().text(), "Include filename next to each email address in results");
    EXPECT_FALSE(form->Check1().isChecked());
    EXPECT_EQ(form->ProgressBar1().text(), "Progress Bar");
    EXPECT_EQ(form->ListView1().toolTip(), "Drag and drop files here. Double-click item to remove it.");
    EXPECT_EQ(form->ListView1().selectionMode(), QAbstractItemView::ExtendedSelection);
    for (QWidget* w :
         std::initializer_list<QWidget*>{&form->ListView1(), &form->Frame1(), &form->Check1(), &form->ProgressBar1()}) {
        EXPECT_EQ(w->font().family(), "Calibri") << w->objectName().toStdString();
        EXPECT_DOUBLE_EQ(w->font().pointSizeF(), 11.25);
        EXPECT_TRUE(w->font().bold());
    }
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(form->Frame1().palette().color(form->Frame1().backgroundRole()), QColor(Qt::white));
    EXPECT_EQ(form->Check1().palette().color(form->Check1().backgroundRole()), QColor(Qt::white));
}

}  // namespace
}  // namespace harvelux::shell::testing
