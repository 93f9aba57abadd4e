// A path a file dialog gave back, turned into the names on disk. Dialogs
// hold names as text, which a name that is not valid UTF-8 cannot be: Qt's
// own dialog leaves such files out of its listing, so the user types the
// name as this program lists it, with "?" for each bad byte; other dialogs
// hand back U+FFFD in place of the bad bytes. Either way the path does not
// exist as given, or is that of another file whose name really holds "?" or
// U+FFFD. Each such name is looked up in its folder among the entries that
// show the same.
#pragma once

#include <string>
#include <vector>

namespace harvelux::filelist {

struct NameOnDisk {
    enum class Found { AsGiven, OnDisk, Ambiguous };
    Found found = Found::AsGiven;
    std::string path;  // the path to open (AsGiven: the path as given)
};

// A path holding neither "?" nor U+FFFD, and one whose names match nothing
// on disk (a name typed for a file that does not exist), are taken as given. A name that
// shows like exactly one entry of its folder becomes that entry's bytes; one
// that shows like several is ambiguous, and none of them is taken.
NameOnDisk findOnDisk(const std::string& shown);

// What the user is told of the paths that were ambiguous.
std::string ambiguousNamesMessage(const std::vector<std::string>& shown);

}  // namespace harvelux::filelist
