#include "platform/RunningWordProcessor.h"

#include <sys/stat.h>
#include <unistd.h>
#include <array>
#include <filesystem>
#include <fstream>
#include <string_view>

namespace harvelux::platform {

namespace {
constexpr std::array<std::string_view, 4> kWordProcessors = {"soffice.bin", "abiword", "calligrawords", "wps"};
}

bool isDesktopWordProcessorRunning(const std::string& procRoot) {
    std::error_code error;
    std::filesystem::directory_iterator it(procRoot, error);
    if (error) return false;
    const uid_t me = ::getuid();
    for (const auto& entry : it) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) continue;
        struct stat info {};
        if (::stat(entry.path().c_str(), &info) != 0 || info.st_uid != me) continue;
        std::ifstream comm(entry.path() / "comm");
        std::string command;
        if (!std::getline(comm, command)) continue;
        for (const std::string_view wanted : kWordProcessors)
            if (command == wanted) return true;
    }
    return false;
}

}  // namespace harvelux::platform
