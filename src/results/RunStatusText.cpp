#include "results/RunStatusText.h"

#include <algorithm>

namespace harvelux::results {

namespace {

std::string counted(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

RunStatusText runStatusText(const extract::RunSummary& summary, std::size_t rows, std::size_t ticked) {
    RunStatusText status;
    status.counts = counted(summary.addresses, "address", "addresses");
    if (ticked < rows) status.counts += " (" + std::to_string(ticked) + " ticked)";
    if (summary.stopped) {
        status.counts += ", stopped after " + std::to_string(summary.documentsDone) + " of " +
                         counted(static_cast<std::size_t>(summary.documents), "document", "documents");
    } else {
        status.counts += " from " + counted(static_cast<std::size_t>(summary.documentsDone), "document", "documents");
    }
    const auto others =
        static_cast<std::size_t>(std::count_if(summary.unread.begin(), summary.unread.end(),
                                               [](const extract::UnreadEntry& entry) { return entry.otherFile; }));
    const std::size_t failed = summary.unread.size() - others;
    if (failed > 0) status.unread = std::to_string(failed) + " could not be read";
    if (others > 0)
        status.unread += (failed > 0 ? " \u00B7 " : "") + counted(others, "other file skipped", "other files skipped");
    return status;
}

}  // namespace harvelux::results
