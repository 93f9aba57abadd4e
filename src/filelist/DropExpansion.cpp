#include "filelist/DropExpansion.h"

namespace harvelux::filelist {

std::vector<std::string> ExpandDrop(const std::vector<std::string>& dropped, const ScanPump& pump,
                                    ScanProblems* problems) {
    std::vector<std::string> paths;
    for (const std::string& path : dropped) {
        switch (kindOf(path)) {
            case EntryKind::Folder: {
                // The root "/" gives "//" + name, as folder + "/" + name builds it.
                const std::string folder = withoutTrailingSeparators(path);
                for (std::string& file : ScanTree(folder, "*", pump, problems)) paths.push_back(std::move(file));
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
