#include "shell/StartPaths.h"

namespace harvelux::shell {

std::vector<std::string> startPaths(const std::vector<std::string>& arguments, const std::string& currentFolder) {
    std::vector<std::string> paths;
    bool sawEnd = false;
    for (const std::string& argument : arguments) {
        if (argument.empty()) continue;
        if (argument == "--" && !sawEnd) {
            sawEnd = true;
            continue;
        }
        if (argument.front() == '/') {
            paths.push_back(argument);
        } else {
            std::string folder = currentFolder;
            while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
            paths.push_back(folder == "/" ? "/" + argument : folder + "/" + argument);
        }
    }
    return paths;
}

}  // namespace harvelux::shell
