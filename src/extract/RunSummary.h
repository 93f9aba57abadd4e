// What an extraction run went through, for the results window's status line
// and its list of what could not be read.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace harvelux::extract {

// Something the run could not read: a document (or a folder the list was
// filled from), and why in words ("encrypted", "missing", ...).
struct UnreadEntry {
    std::string path;
    std::string reason;
    bool otherFile = false;  // no document at all (a picture, a program): skipped, not failed
};

struct RunSummary {
    int documents = 0;                // documents in the list when the run began
    int documentsDone = 0;            // documents the run went through
    std::size_t addresses = 0;        // addresses found (rows added)
    bool stopped = false;             // the user stopped the run before its end
    std::vector<UnreadEntry> unread;  // in list order
};

}  // namespace harvelux::extract
