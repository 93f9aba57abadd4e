#include "common/FileExists.h"

#include <filesystem>
#include <system_error>

namespace harvelux {

bool FileExists(const std::string& path) {
    if (path.empty()) return false;
    std::error_code error;
    (void)std::filesystem::last_write_time(std::filesystem::path(path), error);
    return !error;
}

}  // namespace harvelux
