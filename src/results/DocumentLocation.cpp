#include "results/DocumentLocation.h"

#include <filesystem>
#include <system_error>

namespace harvelux::results {

namespace {

bool isFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::string documentFileOnDisk(const std::string& name) {
    if (isFile(name)) return name;
    // From the right, so that a container whose own name holds "::" is still found.
    for (std::size_t cut = name.rfind("::"); cut != std::string::npos && cut > 0; cut = name.rfind("::", cut - 1)) {
        const std::string front = name.substr(0, cut);
        if (isFile(front)) return front;
        if (cut == 0) break;
    }
    return name;
}

std::string folderOf(const std::string& path) { return std::filesystem::path(path).parent_path().string(); }

}  // namespace harvelux::results
