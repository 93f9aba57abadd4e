#include "filelist/AddFiles.h"

#include "filelist/FolderScan.h"
#include "filelist/NamesOnDisk.h"
#include "wordproc/FormatTable.h"

namespace harvelux::filelist {

std::vector<platform::FileFilter> addFilesFilters() {
    // Every document a folder scan takes, the design's Word documents, each
    // family, everything.
    const auto entry = [](std::string_view name, std::string patterns) {
        return platform::FileFilter{std::string(name) + " (" + patterns + ")", std::move(patterns)};
    };
    std::vector<platform::FileFilter> filters{entry("All Documents", std::string(wordproc::folderScanPattern())),
                                              entry("Word Documents", std::string(wordproc::kWordDocumentsPattern))};
    for (const wordproc::FamilyDescription& family : wordproc::formatFamilies())
        filters.push_back(entry(family.filterName, wordproc::familyPattern(family.family)));
    filters.push_back({"All Files (*)", "*"});
    return filters;
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
