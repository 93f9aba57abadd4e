// The progress bar keeps the exact value for the program and moves the bar
// itself only when the change shows.
#include "shell/ProgressBar.h"

#include <gtest/gtest.h>

#include <QEvent>

namespace harvelux::shell {
namespace {

class PaintCounter final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    int paints = 0;
};

TEST(ProgressBar, KeepsEveryValueButRepaintsOnlyWhenTheBarMoves) {
    ProgressBar bar;
    bar.resize(400, 27);
    bar.show();
    PaintCounter counter;
    bar.installEventFilter(&counter);

    const int documents = 10000;
    int worstLag = 0;
    for (int i = 1; i <= documents; ++i) {
        bar.setPercent(static_cast<double>(i) / documents * 100.0);
        ASSERT_DOUBLE_EQ(bar.percent(), i / 100.0);
        worstLag = std::max(worstLag, i - bar.value());
    }
    // The bar never lags by a pixel or more, ends full, and was repainted
    // about once per pixel, not once per document.
    EXPECT_LT(worstLag * bar.width(), bar.maximum());
    EXPECT_EQ(bar.value(), bar.maximum());
    EXPECT_LE(counter.paints, 2 * bar.width());

    bar.setPercent(0);
    EXPECT_EQ(bar.value(), 0);
    bar.setPercent(0.01);  // too small to show until the bar is resized
    EXPECT_EQ(bar.value(), 0);
    bar.resize(50, 27);
    EXPECT_EQ(bar.value(), 1);
}

}  // namespace
}  // namespace harvelux::shell
