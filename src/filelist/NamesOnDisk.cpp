#include "filelist/NamesOnDisk.h"

#include "common/Utf8.h"

#ifndef _WIN32
#include <dirent.h>
#endif

#include <algorithm>
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
        // One character at a time: the length its first byte announces, if
        // the bytes are that character.
        const auto lead = static_cast<unsigned char>(name[i]);
        std::size_t length = lead < 0x80   ? 1
                             : lead < 0xC2 ? 0
                             : lead < 0xE0 ? 2
                             : lead < 0xF0 ? 3
                             : lead < 0xF5 ? 4
                                           : 0;
        if (length != 0 && (i + length > name.size() || !isValidUtf8(name.substr(i, length)))) length = 0;
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

}  // namespace
#endif

const NamesOnDisk::Listing& NamesOnDisk::listingOf(const std::string& folder) {
    const auto [at, inserted] = listings_.try_emplace(folder);
#ifndef _WIN32
    if (inserted) {
        if (DIR* dir = ::opendir(folder.c_str())) {
            while (const dirent* entry = ::readdir(dir)) {
                const std::string_view name(entry->d_name);
                if (name == "." || name == "..") continue;
                at->second.byQuestionMarks.emplace(withQuestionMarks(name), name);
                at->second.byShownForm.emplace(shownForm(name), name);
            }
            ::closedir(dir);
        }
    }
#else
    static_cast<void>(inserted);
#endif
    return at->second;
}

// The entries of `folder` that show as `name` does, at most two: with "?"
// for each bad byte as this program lists names, or with U+FFFD.
std::vector<std::string> NamesOnDisk::entriesShownAs(const std::string& folder, std::string_view name) {
    const Listing& listing = listingOf(folder);
    std::vector<std::string> found;
    const auto add = [&found](const auto& range) {
        for (auto it = range.first; it != range.second && found.size() < 2; ++it)
            if (std::find(found.begin(), found.end(), it->second) == found.end()) found.push_back(it->second);
    };
    add(listing.byQuestionMarks.equal_range(name));
#ifndef _WIN32
    add(listing.byShownForm.equal_range(shownForm(name)));
#endif
    return found;
}

NameOnDisk NamesOnDisk::find(const std::string& shown) {
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
