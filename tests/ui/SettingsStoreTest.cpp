#include "ui/SettingsStore.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

using namespace harvelux;

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

}  // namespace
