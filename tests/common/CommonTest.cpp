#include "common/AtomicFile.h"
#include "common/CenterForm.h"
#include "common/ErrorReport.h"
#include "common/FileExists.h"
#include "common/LocalTimeZone.h"
#include "common/SettingsStore.h"
#include "common/Utf8.h"
#include "platform/ScriptedPlatform.h"

#include "TestFiles.h"
#include "Unprivileged.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>
#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

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

bool isFifo(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISFIFO(info.st_mode);
}

bool isLink(const std::string& path) { return std::filesystem::is_symlink(path); }

TEST(SettingsStore, LeavesAnythingButARegularFileAlone) {
    const std::string folder = std::string(std::getenv("XDG_CONFIG_HOME")) + "/Quenbrook";
    const std::string file = folder + "/Harvelux.conf";
    testfiles::TempDir elsewhere;
    const std::string device = elsewhere.file("device");  // a FIFO stands in for a device node
    ASSERT_EQ(::mkfifo(device.c_str(), 0600), 0);
    std::filesystem::create_directories(folder);

    // A FIFO would block the open for ever; a link to a device would be
    // replaced by a regular file on the next write.
    const std::vector<std::function<void()>> settingsThatAreNotAFile = {
        [&] { ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0); },
        [&] { std::filesystem::create_symlink(device, file); },
        [&] { std::filesystem::create_directory(file); },
    };
    for (const auto& make : settingsThatAreNotAFile) {
        std::filesystem::remove_all(file);
        make();
        const auto before = std::filesystem::symlink_status(file).type();
        SettingsStore store;
        EXPECT_EQ(store.read("Check1", "0"), "0");
        store.write("Check1", "1");
        store.write({{"Left", "1"}, {"Top", "2"}});
        EXPECT_EQ(std::filesystem::symlink_status(file).type(), before);
        EXPECT_TRUE(isFifo(device));
    }
    // A link to a regular file is read and written through.
    std::filesystem::remove_all(file);
    testfiles::writeFile(elsewhere.file("real.conf"), "[General]\nCheck1=1\n");
    std::filesystem::create_symlink(elsewhere.file("real.conf"), file);
    EXPECT_EQ(SettingsStore().read("Check1", "0"), "1");
    SettingsStore().write("Top", "7");
    EXPECT_TRUE(isLink(file));
    EXPECT_NE(testfiles::readFile(elsewhere.file("real.conf")).find("Top=7"), std::string::npos);
    std::filesystem::remove_all(file);
}

TEST(AtomicFile, WritesWhereLinksLeadAndKeepsModeAndOwner) {
    testfiles::TempDir dir;
    testfiles::writeFile(dir.file("real.txt"), "old");
    ::chmod(dir.file("real.txt").c_str(), 0640);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(dir.file("real.txt").c_str(), harvelux::testing::kNobody, harvelux::testing::kNobody), 0);
    }
    std::filesystem::create_symlink("real.txt", dir.file("link1"));
    std::filesystem::create_symlink(dir.file("link1"), dir.file("link2"));
    std::filesystem::create_symlink("made.txt", dir.file("dangling"));

    std::string error;
    ASSERT_TRUE(writeFileWholeOrNothing(dir.file("link2"), "new", error)) << error;
    ASSERT_TRUE(writeFileWholeOrNothing(dir.file("dangling"), "made", error)) << error;
    EXPECT_TRUE(isLink(dir.file("link1")) && isLink(dir.file("link2")) && isLink(dir.file("dangling")));
    EXPECT_EQ(testfiles::readFile(dir.file("real.txt")), "new");
    EXPECT_EQ(testfiles::readFile(dir.file("made.txt")), "made");
    struct stat info {};
    ASSERT_EQ(::stat(dir.file("real.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(info.st_uid, harvelux::testing::kNobody);
    }
}

TEST(AtomicFile, RefusesWhatItCannotReplaceWholeAndLeavesItAsItWas) {
    testfiles::TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink(dir.file("fifo"), dir.file("link-to-fifo"));
    std::filesystem::create_directory(dir.file("folder"));
    testfiles::writeFile(dir.file("linked.txt"), "shared");
    std::filesystem::create_hard_link(dir.file("linked.txt"), dir.file("other-name.txt"));
    const struct {
        const char* name;
        const char* message;
    } refused[] = {
        {"fifo", "fifo is not a regular file"},
        {"link-to-fifo", "link-to-fifo is not a regular file"},
        {"folder", "folder is not a regular file"},
        {"linked.txt", "other hard links"},
    };
    for (const auto& c : refused) {
        std::string error;
        EXPECT_FALSE(writeFileWholeOrNothing(dir.file(c.name), "x", error)) << c.name;
        EXPECT_NE(error.find(c.message), std::string::npos) << error;
    }
    EXPECT_TRUE(isFifo(dir.file("fifo")));
    EXPECT_TRUE(isLink(dir.file("link-to-fifo")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder")));
    EXPECT_EQ(std::filesystem::hard_link_count(dir.file("linked.txt")), 2u);
    EXPECT_EQ(testfiles::readFile(dir.file("other-name.txt")), "shared");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 5);  // no temporary left

    // A file the user may not write, in a folder they may: the rename would
    // succeed, but the file is not theirs to replace.
    testfiles::writeFile(dir.file("read-only.txt"), "keep");
    ::chmod(dir.file("read-only.txt").c_str(), 0444);
    ::chmod(dir.path().c_str(), 0777);
    const int refusedReadOnly = harvelux::testing::runUnprivileged([&] {
        std::string error;
        return !writeFileWholeOrNothing(dir.file("read-only.txt"), "x", error) &&
                       error.find("Permission denied") != std::string::npos
                   ? 0
                   : 1;
    });
    EXPECT_EQ(refusedReadOnly, 0);
    EXPECT_EQ(testfiles::readFile(dir.file("read-only.txt")), "keep");
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
