#include "common/AtomicFile.h"
#include "common/ErrorReport.h"
#include "common/FileExists.h"
#include "common/LocalTimeZone.h"
#include "common/Utf8.h"
#include "ui/CenterForm.h"
#include "ui/SettingsStore.h"

#include "ScriptedPlatform.h"
#include "TestFiles.h"
#include "Unprivileged.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

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

std::filesystem::file_type typeOf(const std::string& path) { return std::filesystem::symlink_status(path).type(); }

TEST(SettingsStore, LeavesAnythingButARegularFileAlone) {
    const std::string file = std::string(std::getenv("XDG_CONFIG_HOME")) + "/Quenbrook/Harvelux.conf";
    std::filesystem::create_directories(std::filesystem::path(file).parent_path());
    testfiles::TempDir elsewhere;
    const std::string device = elsewhere.file("device");  // a FIFO stands in for a device node
    ASSERT_EQ(::mkfifo(device.c_str(), 0600), 0);
    // A FIFO there would block the open for ever; a link to a device would
    // be replaced by a regular file.
    for (const bool fifo : {true, false}) {
        std::filesystem::remove(file);
        if (fifo)
            ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
        else
            std::filesystem::create_symlink(device, file);
        const auto before = typeOf(file);
        EXPECT_EQ(SettingsStore().read("Check1", "0"), "0");
        SettingsStore().write("Check1", "1");
        EXPECT_EQ(typeOf(file), before);
    }
    EXPECT_EQ(typeOf(device), std::filesystem::file_type::fifo);
    std::filesystem::remove(file);
}

TEST(AtomicFile, WritesWhereLinksLeadKeepingModeAndOwner) {
    testfiles::TempDir dir;
    testfiles::writeFile(dir.file("real.txt"), "old");
    ::chmod(dir.file("real.txt").c_str(), 0640);
    const uid_t owner = ::geteuid() == 0 ? harvelux::testing::kNobody : ::geteuid();  // root may give files away
    ASSERT_EQ(::chown(dir.file("real.txt").c_str(), owner, static_cast<gid_t>(-1)), 0);
    std::filesystem::create_symlink("real.txt", dir.file("link1"));
    std::filesystem::create_symlink(dir.file("link1"), dir.file("link2"));
    std::filesystem::create_symlink("made.txt", dir.file("dangling"));
    std::string error;
    EXPECT_TRUE(writeFileWholeOrNothing(dir.file("link2"), "new", error) &&
                writeFileWholeOrNothing(dir.file("dangling"), "made", error)) << error;
    for (const char* link : {"link1", "link2", "dangling"}) EXPECT_EQ(typeOf(dir.file(link)), std::filesystem::file_type::symlink);
    EXPECT_EQ(testfiles::readFile(dir.file("real.txt")) + testfiles::readFile(dir.file("made.txt")), "newmade");
    struct stat info {};
    ASSERT_EQ(::stat(dir.file("real.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(info.st_uid, owner);
}

TEST(AtomicFile, RefusesWhatItCannotReplaceWholeAndLeavesItAsItWas) {
    testfiles::TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink(dir.file("fifo"), dir.file("link-to-fifo"));
    testfiles::writeFile(dir.file("linked"), "shared");
    std::filesystem::create_hard_link(dir.file("linked"), dir.file("other-name"));
    testfiles::writeFile(dir.file("read-only"), "keep");
    ::chmod(dir.file("read-only").c_str(), 0444);
    ::chmod(dir.path().c_str(), 0777);  // the folder is not what stops the write
    const std::pair<const char*, const char*> refused[] = {{"fifo", "fifo is not a regular file"},
                                                           {"link-to-fifo", "link-to-fifo is not a regular file"},
                                                           {"linked", "other hard links"},
                                                           {"read-only", "Permission denied"}};
    // Permissions bind root only as another user.
    EXPECT_EQ(harvelux::testing::runUnprivileged([&] {
                  for (const auto& [name, message] : refused) {
                      std::string error;
                      if (writeFileWholeOrNothing(dir.file(name), "x", error) || error.find(message) == std::string::npos)
                          return 1;
                  }
                  return 0;
              }),
              0);
    EXPECT_EQ(typeOf(dir.file("fifo")), std::filesystem::file_type::fifo);
    EXPECT_EQ(typeOf(dir.file("link-to-fifo")), std::filesystem::file_type::symlink);
    EXPECT_EQ(std::filesystem::hard_link_count(dir.file("linked")), 2u);
    EXPECT_EQ(testfiles::readFile(dir.file("other-name")) + testfiles::readFile(dir.file("read-only")), "sharedkeep");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 5);  // no temporary left
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
