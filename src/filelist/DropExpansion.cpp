#include "filelist/DropExpansion.h"

#include <sys/stat.h>

namespace harvelux::filelist {

namespace {

enum class EntryKind { Missing, File, Folder, System };

EntryKind kindOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return EntryKind::Missing;
    if (S_ISDIR(info.st_mode)) return EntryKind::Folder;
    if (S_ISREG(info.st_mode)) return EntryKind::File;
    return EntryKind::System;
}

// A folder path as a file manager may hand it over ("/a/b/") without its
// trailing separators; the root stays "/".
std::string withoutTrailingSeparator(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

}  // namespace

std::vector<std::string> ExpandDrop(const std::vector<std::string>& dropped, const ScanPump& pump) {
    std::vector<std::string> paths;
    for (const std::string& path : dropped) {
        switch (kindOf(path)) {
            case EntryKind::Folder: {
                // The root "/" gives "//" + name, as folder + "/" + name builds it.
                const std::string folder = withoutTrailingSeparator(path);
                for (std::string& file : ScanTree(folder, "*", pump)) paths.push_back(std::move(file));
                break;
            }
            case EntryKind::File:
            case EntryKind::Missing:
                paths.push_back(path);
                break;
            case EntryKind::System:
                break;
        }
    }
    return paths;
}

}  // namespace harvelux::filelist
