// The main of every test program: tests run offscreen and with a settings
// folder of their own, whoever starts them.
#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string config =
        (std::filesystem::temp_directory_path() / ("harvelux-test-config-" + std::to_string(::getpid()))).string();
    std::filesystem::create_directories(config);
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    std::error_code error;
    std::filesystem::remove_all(config, error);
    return status;
}
