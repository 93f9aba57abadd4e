#include "results/RunStatusText.h"

#include <algorithm>

namespace harvelux::results {

namespace {

std::string counted(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

RunStatusText runStatusText(const extract::RunSummary& summary, std::size_t rows, std::size_t ticked,
                            std::optional<std::size_t> shown) {
    RunStatusText status;
    status.counts = counted(summary.addresses, "address", "addresses");
    if (shown) {
        status.counts = std::to_string(*shown) + " of " + status.counts + " shown";
        rows = *shown;
    }
    if (ticked < rows) status.counts += " (" + std::to_string(ticked) + " ticked)";
    if (summary.stopped) {
        status.counts += ", stopped after " + std::to_string(summary.documentsDone) + " of " +
                         counted(static_cast<std::size_t>(summary.documents), "document", "documents");
    } else {
        status.counts += " from " + counted(static_cast<std::size_t>(summary.documentsDone), "document", "documents");
    }
    for (const std::string& mode : summary.modes) status.counts += " \u00B7 " + mode;
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
