#include "SharedFolders.h"

#include <cstdlib>
#include <filesystem>

namespace harvelux::testfiles {

namespace {

std::string sharedFolder(const char* name) {
    return (std::filesystem::path(HARVELUX_SHARED_DIR) / name).lexically_normal().string();
}

}  // namespace

std::string corpusDir() { return sharedFolder("corpus"); }

std::string formatsDir() { return sharedFolder("formats"); }

std::string containersDir() { return sharedFolder("containers"); }
std::string ocrDir() { return sharedFolder("ocr"); }

std::string missingSharedFolder(const std::string& folder) {
    std::error_code error;
    if (std::filesystem::is_directory(folder, error)) return std::string();
    return "the shared folder " + folder + " is missing";
}

bool sharedFoldersOptional() {
    const char* value = std::getenv("HARVELUX_NO_CORPUS");
    return value && std::string(value) == "1";
}

}  // namespace harvelux::testfiles
