#include "filelist/AddFiles.h"

#include "filelist/FolderScan.h"
#include "filelist/NamesOnDisk.h"
#include "wordproc/FormatTable.h"

namespace harvelux::filelist {

std::vector<platform::FileFilter> addFilesFilters() {
    // The documents a folder scan takes.
    const std::string documents(wordproc::folderScanPattern());
    return {{"Word Documents (" + documents + ")", documents}, {"All Files (*)", "*"}};
}

std::vector<std::string> chosenFilesToAdd(const std::vector<std::string>& chosen) {
    std::vector<std::string> paths;
    for (const std::string& path : chosen) {
        if (path.empty()) continue;
        paths.push_back(chosen.size() == 1 ? path : reduceRootSeparator(path));
    }
    return paths;
}

std::vector<std::string> ChooseFilesToAdd(platform::Platform& platform) {
    std::vector<std::string> chosen = platform.openFilesDialog(kAddFilesTitle, addFilesFilters());
    std::vector<std::string> onDisk;
    std::vector<std::string> ambiguous;
    NamesOnDisk names;
    for (const std::string& path : chosen) {
        NameOnDisk found = names.find(path);
        if (found.found == NameOnDisk::Found::Ambiguous)
            ambiguous.push_back(path);
        else
            onDisk.push_back(std::move(found.path));
    }
    if (!ambiguous.empty()) platform::showMessage(platform, ambiguousNamesMessage(ambiguous));
    return chosenFilesToAdd(onDisk);
}

}  // namespace harvelux::filelist
