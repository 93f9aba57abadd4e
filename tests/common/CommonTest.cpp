#include "common/AtomicFile.h"
#include "common/CenterForm.h"
#include "common/ErrorReport.h"
#include "common/FileExists.h"
#include "common/LocalTimeZone.h"
#include "common/SettingsStore.h"
#include "common/Utf8.h"

#include "ScriptedPlatform.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
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
    EXPECT_NE(ui.messages[0].text.find("Overflow\r\nin Harvelux5/20/2014.Form1.Start at line 102\r\r"), std::string::npos);
    trap.step(106, [] { throw 42; });
    EXPECT_EQ(ui.messages[1].text.substr(0, 15), "Unknown error\r\n");
}

TEST(FileExists, FilesAndFoldersYesEverythingElseNo) {
    testfiles::TempDir dir;
    testfiles::writeFile(dir.file("a.txt"), "x");
    EXPECT_TRUE(FileExists(dir.file("a.txt")));
    EXPECT_TRUE(FileExists(dir.path()));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(dir.file("missing")));
    EXPECT_FALSE(FileExists(dir.file("a.txt/below")));
}

TEST(SettingsStore, RoundTripAndDefault) {
    // The test runner points XDG_CONFIG_HOME at a folder of this test's own.
    SettingsStore store;
    EXPECT_EQ(store.read("NeverWritten", "fallback"), "fallback");
    store.write("Check1", "1");
    EXPECT_EQ(SettingsStore().read("Check1", "0"), "1");
    const char* config = std::getenv("XDG_CONFIG_HOME");
    ASSERT_NE(config, nullptr);
    EXPECT_TRUE(std::filesystem::exists(std::string(config) + "/Quenbrook/Harvelux.conf"));
}

TEST(AtomicFile, ReplacesWholeOrLeavesTheOldFile) {
    testfiles::TempDir dir;
    const std::string target = dir.file("out.txt");
    std::string error;
    ASSERT_TRUE(writeFileWholeOrNothing(target, "first", error));
    ASSERT_TRUE(writeFileWholeOrNothing(target, "second", error));
    EXPECT_EQ(testfiles::readFile(target), "second");
    // A target whose folder is really a file cannot be written; nothing changes.
    testfiles::writeFile(dir.file("plain"), "keep");
    EXPECT_FALSE(writeFileWholeOrNothing(dir.file("plain/out.txt"), "x", error));
    EXPECT_NE(error.find("plain/out.txt"), std::string::npos);
    EXPECT_EQ(testfiles::readFile(dir.file("plain")), "keep");
    std::filesystem::create_directory(dir.file("folder"));
    EXPECT_FALSE(writeFileWholeOrNothing(dir.file("folder"), "x", error));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder")));
}

TEST(Utf8, LengthsInUtf16UnitsAndValidation) {
    EXPECT_EQ(utf16Length("abc"), 3u);
    EXPECT_EQ(utf16Length("caf\xC3\xA9"), 4u);
    EXPECT_EQ(utf16Length("\xE2\x82\xAC"), 1u);
    EXPECT_EQ(utf16Length("\xF0\x9F\x98\x80"), 2u);
    EXPECT_TRUE(isValidUtf8("caf\xC3\xA9 \xF0\x9F\x98\x80"));
    EXPECT_FALSE(isValidUtf8("\xC3"));
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));          // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80"));  // past U+10FFFF
    std::string s;
    appendUtf8(s, 0x20AC);
    appendUtf8(s, 0xD800);
    EXPECT_EQ(s, "\xE2\x82\xAC\xEF\xBF\xBD");
}

TEST(CenterForm, ExactDivisionWithoutClamping) {
    const TwipPoint inside = centeredOrigin(19200, 14400, 9000, 6001);
    EXPECT_EQ(inside.left, 5100);
    EXPECT_EQ(inside.top, 4199);
    const TwipPoint larger = centeredOrigin(10000, 8000, 12000, 9000);
    EXPECT_EQ(larger.left, -1000);
    EXPECT_EQ(larger.top, -500);
}

TEST(LocalTimeZone, NamesTheSystemZoneOnlyWhenTZIsUnset) {
    const char* before = std::getenv("TZ");
    const std::string saved = before ? before : "";

    ::setenv("TZ", "Europe/Oslo", 1);
    pinLocalTimeZone();
    EXPECT_STREQ(std::getenv("TZ"), "Europe/Oslo");

    ::unsetenv("TZ");
    pinLocalTimeZone();
    if (::access("/etc/localtime", R_OK) == 0)
        EXPECT_STREQ(std::getenv("TZ"), ":/etc/localtime");
    else
        EXPECT_EQ(std::getenv("TZ"), nullptr);

    if (before)
        ::setenv("TZ", saved.c_str(), 1);
    else
        ::unsetenv("TZ");
}

}  // namespace
