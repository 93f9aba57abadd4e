// The main of every test program: tests run offscreen and with a settings
// folder of their own, whoever starts them.
#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    const std::string config =
        (std::filesystem::temp_directory_path() / ("harvelux-test-config-" + std::to_string(::getpid()))).string();
    std::filesystem::create_directories(config);
    // One desktop-sized screen, on which both windows fit at their built-in
    // sizes (the offscreen platform's own is 800 x 600).
    const std::string screens = config + "/offscreen.json";
    std::ofstream(screens) << R"({"screens": [{"name": "Screen", "x": 0, "y": 0, "width": 1600, "height": 1000,)"
                           << R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
    ::setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens).c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    std::error_code error;
    std::filesystem::remove_all(config, error);
    return status;
}
