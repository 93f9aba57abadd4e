#include "filelist/AddFolder.h"

namespace harvelux::filelist {

std::string BrowseFolder(platform::Platform& platform, const std::string& prompt) {
    return platform.folderDialog(prompt);
}

std::vector<std::string> FolderDocuments(const std::string& folder, const ScanPump& pump, ScanProblems* problems) {
    std::vector<std::string> paths = ScanTree(folder, kDocumentPattern, pump, problems);
    for (std::string& path : paths) path = reduceRootSeparator(std::move(path));
    return paths;
}

}  // namespace harvelux::filelist
