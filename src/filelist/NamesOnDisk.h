// A path a file dialog gave back, turned into the names on disk. Dialogs
// hold names as text, which a name that is not valid UTF-8 cannot be: Qt's
// own dialog leaves such files out of its listing, so the user types the
// name as this program lists it, with "?" for each bad byte; other dialogs
// hand back U+FFFD in place of the bad bytes. Either way the path does not
// exist as given, or is that of another file whose name really holds "?" or
// U+FFFD. Each such name is looked up in its folder among the entries that
// show the same.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace harvelux::filelist {

struct NameOnDisk {
    enum class Found { AsGiven, OnDisk, Ambiguous };
    Found found = Found::AsGiven;
    std::string path;  // the path to open (AsGiven: the path as given)
};

// Finds the names on disk of the paths of one dialog answer. A path holding
// neither "?" nor U+FFFD, and one whose names match nothing on disk (a name
// typed for a file that does not exist), are taken as given. A name that
// shows like exactly one entry of its folder becomes that entry's bytes; one
// that shows like several is ambiguous, and none of them is taken. Each
// folder is listed once, however many names of it are looked up.
class NamesOnDisk {
public:
    NameOnDisk find(const std::string& shown);

private:
    // A folder's entries by the two forms a dialog may give of them: with
    // "?" for each bad byte, and with U+FFFD for each run of them.
    struct Listing {
        std::multimap<std::string, std::string, std::less<>> byQuestionMarks;
        std::multimap<std::string, std::string, std::less<>> byShownForm;
    };
    const Listing& listingOf(const std::string& folder);
    std::vector<std::string> entriesShownAs(const std::string& folder, std::string_view name);

    std::map<std::string, Listing> listings_;
};

// One path alone.
inline NameOnDisk findOnDisk(const std::string& shown) { return NamesOnDisk().find(shown); }

// What the user is told of the paths that were ambiguous.
std::string ambiguousNamesMessage(const std::vector<std::string>& shown);

}  // namespace harvelux::filelist
