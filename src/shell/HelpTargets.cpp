#include "shell/HelpTargets.h"

#include "filelist/FolderScan.h"

namespace harvelux::shell {

std::string videoTarget(const std::string& programFolder) {
    const std::string folder = programFolder + "/Video/";
    for (const std::string& name : filelist::ListFiles(folder, "*"))
        if (name[0] != '.') return folder + name;
    return folder;
}

}  // namespace harvelux::shell
