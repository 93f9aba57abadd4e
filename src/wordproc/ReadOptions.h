// What a reader reads of a document. Passed to every reader with the
// document, so that instances on different threads may read differently.
#pragma once

namespace harvelux::wordproc {

struct ReadOptions {
    // Off: the main story only. On: the main story, then footnotes,
    // endnotes, comments, text boxes and frames, headers and footers, each
    // story ending in CR, then the addresses of mailto: links, one a line.
    bool allStories = false;

    bool operator==(const ReadOptions&) const = default;
};

}  // namespace harvelux::wordproc
