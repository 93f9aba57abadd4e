#include "shell/HelpTargets.h"

#include "filelist/FolderScan.h"

#include <filesystem>
#include <system_error>

namespace harvelux::shell {

std::string videoTarget(const std::string& programFolder) {
    const std::string folder = programFolder + "/Video/";
    for (const std::string& name : filelist::ListFiles(folder, "*"))
        if (name[0] != '.') return folder + name;
    return folder;
}

bool hasVideoFolder(const std::string& programFolder) {
    std::error_code error;
    return std::filesystem::is_directory(programFolder + "/Video", error);
}

std::string cannotOpenMessage(const std::string& target) {
    const bool web = target.rfind("https://", 0) == 0 || target.rfind("http://", 0) == 0;
    if (web) return "No web browser could be opened. The page's address is:\r\r" + target;
    return "This could not be opened:\r\r" + target;
}

void openOrTell(platform::Platform& platform, const std::string& target) {
    if (!platform.shellOpen(target)) platform::showMessage(platform, cannotOpenMessage(target));
}

}  // namespace harvelux::shell
