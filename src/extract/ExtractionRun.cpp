#include "extract/ExtractionRun.h"

#include "common/ErrorReport.h"
#include "extract/ExtractEmails.h"

#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

namespace harvelux::extract {

using platform::PointerShape;

RunOutcome Start(const RunWiring& w) {
    ErrorTrap trap(w.platform, "Form1", "Start");
    std::vector<std::string> addresses;
    std::string path;
    std::string text;
    std::unique_ptr<SeenAddresses> seen;
    platform::ThrottledPump pump([&w] { w.platform.processEvents(); }, platform::ThrottledPump::kDefaultInterval,
                                 w.clock);
    // Whether the current document has let messages through yet.
    bool pumpedForDocument = false;
    const CandidatePump candidatePump = [&] {
        if (pumpedForDocument) {
            pump();
            return;
        }
        pumpedForDocument = true;
        pump.now();
    };
    const auto hourglass = [&w] { w.pointer.set(PointerShape::Hourglass); };

    trap.step(100, [&] { addresses.clear(); });
    trap.step(102, hourglass);
    // Should counting fail, the run goes on as if there were documents.
    bool haveDocuments = true;
    trap.step(104, [&] { haveDocuments = w.files.count() >= 1; });
    if (!haveDocuments) {
        trap.step(160, [&] { platform::showMessage(w.platform, kNoFilesAdded); });
        trap.step(162, [&] { w.pointer.set(PointerShape::Default); });
        return RunOutcome::NoFiles;
    }

    trap.step(106, [&] { w.platform.processEvents(); });
    bool declined = false;
    trap.step(108, [&] { declined = w.reader.WarnIfWordOpen(); });
    if (declined) {
        trap.step(162, [&] { w.pointer.set(PointerShape::Default); });
        return RunOutcome::Declined;
    }

    trap.step(110, [&] { w.progress.setText(kProgressWorking); });
    trap.step(112, [&] { seen = std::make_unique<SeenAddresses>(); });
    int n = 0;
    trap.step(114, [&] { n = w.files.count(); });
    // Let the reader start on the documents ahead of the loop; it hands the
    // texts back in this order whatever happens to the list meanwhile.
    struct RunScope {
        DocumentTextReader& reader;
        ~RunScope() { reader.endRun(); }
    } scope{w.reader};
    try {
        std::vector<std::string> paths;
        paths.reserve(static_cast<std::size_t>(n));
        for (int i = 1; i <= n; ++i) paths.push_back(w.files.itemText(i));
        w.reader.beginRun(std::move(paths));
    } catch (...) {
        // Without the list there is nothing to read ahead; each document is
        // then read when its turn comes.
    }
    for (int i = 1; i <= n; ++i) {
        pumpedForDocument = false;
        // The list may have changed while messages were processed: the value
        // uses the count of now.
        trap.step(116, [&] {
            const int now = w.files.count();
            if (now == 0) throw std::domain_error("Division by zero");
            w.progress.setValue(static_cast<double>(i) / now * 100.0);
        });
        trap.step(118, hourglass);
        trap.step(120, [&] { path = w.files.itemText(i); });
        trap.step(122, hourglass);
        trap.step(124, [&] { text = w.reader.ReturnDocumentString(path); });
        trap.step(128, hourglass);
        trap.step(130, [&] {
            // A failed extraction leaves no addresses behind: the previous
            // document's must not be added again under this path.
            addresses.clear();
            if (!seen) throw std::runtime_error("Object variable or With block variable not set");
            addresses = ExtractEmails(text, *seen, candidatePump);
        });
        // A document without candidate words lets messages through after it.
        trap.step(130, [&] {
            if (!pumpedForDocument) pump.now();
        });
        for (std::size_t j = 0; j < addresses.size(); ++j) {
            int option = 0;
            trap.step(134, [&] { option = w.option(); });
            if (option == 0) {
                trap.step(136, [&] { w.results.addRow(addresses[j]); });
            } else {
                std::optional<ResultRowSink::RowId> row;
                trap.step(138, [&] { row = w.results.addRow(path); });
                trap.step(140, [&] {
                    if (!row) throw std::runtime_error("Object variable or With block variable not set");
                    w.results.setSecondColumn(*row, addresses[j]);
                });
            }
        }
        trap.step(144, hourglass);
        trap.step(146, hourglass);
    }
    trap.step(150, [&] { w.progress.setValue(0); });
    trap.step(152, [&] { w.progress.setText(kProgressIdle); });
    trap.step(154, [&] { seen.reset(); });
    trap.step(156, [&] { w.showResults(); });
    trap.step(158, [&] { w.hideMain(); });
    trap.step(162, [&] { w.pointer.set(PointerShape::Default); });
    return RunOutcome::Completed;
}

}  // namespace harvelux::extract
