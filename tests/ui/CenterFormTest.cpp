#include "ui/CenterForm.h"

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
