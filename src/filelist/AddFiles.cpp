#include "filelist/AddFiles.h"

#include "filelist/FolderScan.h"

namespace harvelux::filelist {

std::vector<platform::FileFilter> addFilesFilters() {
    return {{"Word Documents (*.do*)", "*.do*"}, {"All Files (*)", "*"}};
}

std::vector<std::string> chosenFilesToAdd(const std::vector<std::string>& chosen) {
    std::vector<std::string> paths;
    for (const std::string& path : chosen) {
        if (path.empty()) continue;
        paths.push_back(chosen.size() == 1 ? path : reduceRootSeparator(path));
    }
    return paths;
}

}  // namespace harvelux::filelist
