// What a folder scan could not look into: a folder it could not list or
// enter, or a path too long to open. The documents there are missing from
// the scan's result, so the user is told.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace harvelux::filelist {

struct ScanProblem {
    std::string path;    // as the file system gave it, without a trailing "/"
    std::string reason;  // the system's own words ("Permission denied")
};

class ScanProblems {
public:
    // Notes `path` (a trailing "/" is dropped) with the system's text for
    // `errorCode`. A path already noted is not noted again.
    void add(std::string path, int errorCode);

    const std::vector<ScanProblem>& items() const { return items_; }
    bool empty() const { return items_.empty(); }

private:
    std::vector<ScanProblem> items_;
    std::set<std::string> noted_;
};

// The message the desktop program shows after a scan with problems: one line
// "PATH: reason" for each of the first `shown` problems, then how many more.
std::string scanProblemsMessage(const ScanProblems& problems, std::size_t shown = 20);

}  // namespace harvelux::filelist
