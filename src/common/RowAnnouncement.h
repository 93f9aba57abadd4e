// How long rows appended to a list's model wait before its views hear of
// them. A QTreeView lays out all of its rows each time it is told of new
// ones, at about 2,000 rows a millisecond or more; waiting one millisecond
// per 2,000 rows it already shows (at most half a second) keeps those
// layouts a bounded share of a long fill, so filling stays linear.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstddef>

namespace harvelux {

inline std::chrono::milliseconds rowAnnounceDelay(std::size_t announcedRows) {
    constexpr std::size_t kRowsPerMs = 2000;
    constexpr std::chrono::milliseconds kLongest{500};
    return std::min(std::chrono::milliseconds(announcedRows / kRowsPerMs), kLongest);
}

}  // namespace harvelux
