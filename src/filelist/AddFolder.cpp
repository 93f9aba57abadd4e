#include "filelist/AddFolder.h"

#include "filelist/NamesOnDisk.h"
#include "wordproc/FormatTable.h"

namespace harvelux::filelist {

std::string BrowseFolder(platform::Platform& platform, const std::string& prompt) {
    const std::string chosen = platform.folderDialog(prompt);
    if (chosen.empty()) return chosen;
    NameOnDisk found = findOnDisk(chosen);
    if (found.found != NameOnDisk::Found::Ambiguous) return std::move(found.path);
    platform::showMessage(platform, ambiguousNamesMessage({chosen}));
    return {};
}

std::vector<std::string> FolderDocuments(const std::string& folder, const ScanPump& pump, ScanProblems* problems) {
    std::vector<std::string> paths = ScanTree(folder, std::string(wordproc::folderScanPattern()), pump, problems);
    for (std::string& path : paths) path = reduceRootSeparator(std::move(path));
    return paths;
}

}  // namespace harvelux::filelist
