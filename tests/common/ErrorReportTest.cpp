#include "common/ErrorReport.h"

#include "ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using namespace harvelux;

TEST(ErrorReport, TextLocationAndBox) {
    EXPECT_EQ(errorReportText("Type mismatch", "Form1", "Start", 130),
              "Type mismatch\r\nin Harvelux5/20/2014.Form1.Start at line 130\r\r"
              "Please email screenshot of this message to support@quenbrook.com");
    platform::ScriptedPlatform ui;
    showErrorReport(ui, "x", "Word1", "ReturnDocumentString", 102);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Application Error");
    EXPECT_EQ(ui.messages[0].icon, platform::Icon::Warning);
    EXPECT_EQ(ui.messages[0].buttons, platform::Buttons::Ok);
}

TEST(ErrorTrap, ReportsAndGoesOnKeepingTheOldValue) {
    platform::ScriptedPlatform ui;
    ErrorTrap trap(ui, "Form1", "Start");
    int value = 1;
    EXPECT_TRUE(trap.step(100, [&] { value = 2; }));
    EXPECT_FALSE(trap.step(102, [&] {
        throw std::runtime_error("Overflow");
        value = 3;  // never reached
    }));
    EXPECT_TRUE(trap.step(104, [&] { value += 10; }));
    EXPECT_EQ(value, 12);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("Overflow\r\nin Harvelux5/20/2014.Form1.Start at line 102\r\r"),
              std::string::npos);
    trap.step(106, [] { throw 42; });
    EXPECT_EQ(ui.messages[1].text.substr(0, 15), "Unknown error\r\n");
}

}  // namespace
