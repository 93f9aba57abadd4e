#include "results/RunStatusText.h"

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
    for (const std::string& mode : summary.modes) status.counts += " \u00B7 " + mode;
    if (!summary.unread.empty()) status.unread = std::to_string(summary.unread.size()) + " could not be read";
    return status;
}

}  // namespace harvelux::results
