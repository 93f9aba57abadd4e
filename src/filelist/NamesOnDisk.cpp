#include "filelist/NamesOnDisk.h"

#include "common/Utf8.h"

#ifndef _WIN32
#include <dirent.h>
#endif

#include <string_view>

namespace harvelux::filelist {

#ifndef _WIN32
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// A name as a dialog shows it, for comparison: every run of bytes that are
// not well-formed UTF-8, and of U+FFFD, becomes one U+FFFD. A decoder may
// give one U+FFFD per bad byte or per bad sequence; both show alike here.
std::string shownForm(std::string_view name) {
    std::string shown;
    bool inRun = false;
    for (std::size_t i = 0; i < name.size();) {
        std::size_t length = 0;
        for (std::size_t k = 1; k <= 4 && i + k <= name.size(); ++k)
            if (isValidUtf8(name.substr(i, k))) length = k;
        const bool bad = length == 0 || name.substr(i, length) == kReplacement;
        if (bad && !inRun) shown += kReplacement;
        if (!bad) shown.append(name.substr(i, length));
        inRun = bad;
        i += length == 0 ? 1 : length;
    }
    return shown;
}

// Whether a name may stand for one that shows otherwise than its bytes.
bool mayStandForAnother(std::string_view name) {
    return name.find('?') != std::string_view::npos || name.find(kReplacement) != std::string_view::npos;
}

// The entries of `folder` that show as `name` does, at most two: with "?"
// for each bad byte as this program lists names, or with U+FFFD.
std::vector<std::string> entriesShownAs(const std::string& folder, std::string_view name) {
    std::vector<std::string> found;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return found;
    const std::string wanted = shownForm(name);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view entryName(entry->d_name);
        if (entryName == "." || entryName == "..") continue;
        if (withQuestionMarks(entryName) == name || shownForm(entryName) == wanted) {
            found.emplace_back(entryName);
            if (found.size() == 2) break;
        }
    }
    ::closedir(dir);
    return found;
}

}  // namespace
#endif

NameOnDisk findOnDisk(const std::string& shown) {
    NameOnDisk result{NameOnDisk::Found::AsGiven, shown};
#ifndef _WIN32
    // On Windows names are UTF-16 and every one survives the dialog.
    if (!mayStandForAnother(shown)) return result;
    std::string path;
    std::size_t start = 0;
    while (start <= shown.size()) {
        std::size_t end = shown.find('/', start);
        if (end == std::string::npos) end = shown.size();
        const std::string_view name = std::string_view(shown).substr(start, end - start);
        std::string part(name);
        if (mayStandForAnother(name)) {
            const std::vector<std::string> entries = entriesShownAs(path.empty() ? "." : path, name);
            if (entries.size() > 1) return {NameOnDisk::Found::Ambiguous, shown};
            if (entries.size() == 1) {
                part = entries.front();
                if (part != name) result.found = NameOnDisk::Found::OnDisk;
            }
        }
        path += part;
        if (end == shown.size()) break;
        path += '/';
        start = end + 1;
    }
    result.path = std::move(path);
#endif
    return result;
}

std::string ambiguousNamesMessage(const std::vector<std::string>& shown) {
    std::string text =
        "More than one file shows under each of these names: their names differ only in characters that cannot be "
        "shown. They were not added:\r";
    for (const std::string& path : shown) text += "\r" + path;
    text += "\r\rDrag the files onto the list, or add their folder with \"Add Folder\".";
    return text;
}

}  // namespace harvelux::filelist
