#include "filelist/ScanProblems.h"

#include "common/Utf8.h"

#include <cstring>

namespace harvelux::filelist {

void ScanProblems::add(std::string path, int errorCode) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    if (!noted_.insert(path).second) return;
    items_.push_back({std::move(path), std::strerror(errorCode)});
}

std::string scanProblemsMessage(const ScanProblems& problems, std::size_t shown) {
    std::string text = "These could not be scanned, so the documents in them are not in the list:\r";
    const std::vector<ScanProblem>& items = problems.items();
    for (std::size_t i = 0; i < items.size() && i < shown; ++i)
        text += "\r" + withQuestionMarks(items[i].path) + ": " + items[i].reason;
    if (items.size() > shown) text += "\r... and " + std::to_string(items.size() - shown) + " more.";
    return text;
}

}  // namespace harvelux::filelist
