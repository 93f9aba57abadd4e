#include "ui/CenterForm.h"
#include "ui/FitToScreen.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

using namespace harvelux;

TEST(CenterForm, ExactDivisionWithoutClamping) {
    const TwipPoint inside = centeredOrigin(19200, 14400, 9000, 6001);
    EXPECT_EQ(inside.left, 5100);
    EXPECT_EQ(inside.top, 4199);
    const TwipPoint larger = centeredOrigin(10000, 8000, 12000, 9000);
    EXPECT_EQ(larger.left, -1000);
    EXPECT_EQ(larger.top, -500);
}

}  // namespace

namespace {

// A window larger than the stand-in screen's available area is cut to it
// and moved inside; one that fits keeps its place.
TEST(FitToScreen, ShrinksAndMovesOnlyWhatDoesNotFit) {
    const QRect area(0, 30, 800, 470);  // 1600 x 1000 at scale 2, under a 30-pixel panel
    const std::pair<QRect, QRect> cases[] = {
        {QRect(100, 100, 400, 300), QRect(100, 100, 400, 300)},  // fits: unchanged
        {QRect(-6, -110, 614, 720), QRect(0, 30, 614, 470)},     // too tall, above the screen
        {QRect(-100, 50, 1000, 200), QRect(0, 50, 800, 200)},    // too wide
        {QRect(700, 400, 300, 300), QRect(500, 200, 300, 300)},  // fits, but off the edge
    };
    for (const auto& [outer, fitted] : cases) EXPECT_EQ(fitIntoArea(area, outer), fitted) << outer.y();

    QWidget window;
    window.resize(606, 689);
    window.move(-6, -110);
    FitToScreen(window, area, {0, 0});
    EXPECT_EQ(window.geometry(), QRect(0, 30, 606, 470));
}

}  // namespace
