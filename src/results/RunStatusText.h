// The results window's status line: what the run went through, in words.
//
//     "87 addresses from 5000 documents · 3 could not be read · 12 other files skipped"
//     "87 addresses (80 ticked), stopped after 1234 of 5000 documents"
//     "87 addresses from 5000 documents · whole documents"
//
// The unread part is shown as a link that opens the list of what could not
// be read.
#pragma once

#include "extract/RunSummary.h"

#include <cstddef>
#include <optional>
#include <string>

namespace harvelux::results {

struct RunStatusText {
    std::string counts;  // addresses, documents, a stop
    // "3 could not be read", "12 other files skipped" (pictures, programs...),
    // both separated by " · ", or "" when all were read
    std::string unread;
};

// `rows` and `ticked` are the rows of the list now and how many of them are
// ticked; "(J ticked)" is added when some are not. With a filter set,
// `shown` is the number of rows it keeps and `ticked` counts those ticked:
// "12 of 87 addresses shown (10 ticked) from 5000 documents".
RunStatusText runStatusText(const extract::RunSummary& summary, std::size_t rows, std::size_t ticked,
                            std::optional<std::size_t> shown = std::nullopt);

}  // namespace harvelux::results
