#include "extract/ExtractionRun.h"

#include "common/ErrorReport.h"
#include "extract/DisplayName.h"
#include "extract/ExtractEmails.h"

#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

namespace harvelux::extract {

using platform::PointerShape;

namespace {

// One run's state and its numbered steps, in the order Start takes them. The
// numbers are the lines an error report names ("Form1.Start at line 124"):
// every step keeps its number, and a failing step lets the run go on.
class ExtractionRun {
public:
    explicit ExtractionRun(const RunWiring& wiring)
        : w_(wiring),
          trap_(wiring.platform, "Form1", "Start", wiring.reportFailure),
          pump_([this] { w_.platform.processEvents(); }, platform::ThrottledPump::kDefaultInterval, wiring.clock) {}
    ExtractionRun(const ExtractionRun&) = delete;
    ExtractionRun& operator=(const ExtractionRun&) = delete;

    // Steps 100-104. Should counting fail, the run goes on as if there were
    // documents.
    bool findDocuments() {
        trap_.step(100, [&] { addresses_.clear(); });
        trap_.step(102, [&] { hourglass(); });
        bool haveDocuments = true;
        trap_.step(104, [&] { haveDocuments = w_.files.count() >= 1; });
        return haveDocuments;
    }

    // Steps 160-162: "No files added."
    RunOutcome endWithoutDocuments() {
        trap_.step(160, [&] { platform::showMessage(w_.platform, kNoFilesAdded); });
        restorePointer();
        return RunOutcome::NoFiles;
    }

    // Steps 106-108: messages through once, then the word-processor check.
    bool declinedWhileWordProcessorRuns() {
        trap_.step(106, [&] { w_.platform.processEvents(); });
        bool declined = false;
        trap_.step(108, [&] { declined = w_.reader.WarnIfWordOpen(); });
        return declined;
    }

    RunOutcome endDeclined() {
        restorePointer();
        return RunOutcome::Declined;
    }

    // Steps 110-114: the progress text, a fresh set of addresses seen, the
    // count of documents. Returns the count.
    int prepare() {
        trap_.step(110, [&] { w_.progress.setText(kProgressWorking); });
        trap_.step(112, [&] { seen_ = std::make_unique<SeenAddresses>(); });
        int count = 0;
        trap_.step(114, [&] { count = w_.files.count(); });
        if (w_.summary) {
            *w_.summary = RunSummary{};
            w_.summary->documents = count;
        }
        return count;
    }

    // Lets the reader start on the documents ahead of the loop; it hands the
    // texts back in this order whatever happens to the list meanwhile.
    void announceDocuments(int count) {
        try {
            std::vector<std::string> paths;
            paths.reserve(static_cast<std::size_t>(count));
            for (int i = 1; i <= count; ++i) paths.push_back(w_.files.itemText(i));
            w_.reader.beginRun(std::move(paths));
        } catch (...) {
            // Without the list there is nothing to read ahead; each document is
            // then read when its turn comes.
        }
    }

    // Steps 116-124: the progress value, the document's path and its text.
    void readDocument(int i) {
        pumpedForDocument_ = false;
        // The list may have changed while messages were processed: the value
        // uses the count of now.
        trap_.step(116, [&] {
            const int now = w_.files.count();
            if (now == 0) throw std::domain_error("Division by zero");
            w_.progress.setValue(static_cast<double>(i) / now * 100.0);
            w_.progress.setDocument(i, now);
        });
        trap_.step(118, [&] { hourglass(); });
        trap_.step(120, [&] { path_ = w_.files.itemText(i); });
        trap_.step(122, [&] { hourglass(); });
        trap_.step(124, [&] { text_ = w_.reader.ReturnDocumentString(path_); });
        noteUnread();
        if (w_.index) beginIndexedDocument(i);
    }

    // Steps 128-130: the document's new addresses.
    void extractAddresses() {
        trap_.step(128, [&] { hourglass(); });
        trap_.step(130, [&] {
            // A failed extraction leaves no addresses behind: the previous
            // document's must not be added again under this path.
            addresses_.clear();
            if (!seen_) throw std::runtime_error("Object variable or With block variable not set");
            addresses_ = ExtractEmails(text_, *seen_, candidatePump_, {w_.internationalAddresses}, indexOccurrence_);
        });
        // A document without candidate words lets messages through after it.
        trap_.step(130, [&] {
            if (!pumpedForDocument_) pump_.now();
        });
    }

    // Steps 134-140: a row per address, with the document's path in front
    // when the option asks for it (read anew for every row).
    void addRows() {
        if (w_.summary) w_.summary->addresses += addresses_.size();
        for (const std::string& address : addresses_) {
            int option = 0;
            trap_.step(134, [&] { option = w_.option(); });
            if (option == 0) {
                trap_.step(136, [&] { w_.results.addRow(address); });
                continue;
            }
            std::optional<ResultRowSink::RowId> row;
            trap_.step(138, [&] { row = w_.results.addRow(path_); });
            trap_.step(140, [&] {
                if (!row) throw std::runtime_error("Object variable or With block variable not set");
                w_.results.setSecondColumn(*row, address);
            });
        }
    }

    // The documents inside the one just read (an archive's members, an
    // e-mail's attachments), each under its own name, through the same
    // steps 124-140 as a document of the list. In the index each is a
    // document of its own at its container's position `i`.
    void readInnerDocuments(int i) {
        std::vector<InnerText> inner;
        trap_.step(124, [&] { inner = w_.reader.takeInnerDocuments(); });
        for (InnerText& document : inner) {
            path_ = std::move(document.name);
            text_ = std::move(document.text);
            if (w_.summary && document.unreadReason)
                w_.summary->unread.push_back({path_, std::move(*document.unreadReason)});
            if (w_.index) beginIndexedInnerDocument(i, std::move(document.stories));
            extractAddresses();
            addRows();
        }
    }

    // Steps 144-146, after document `i` of `count`; true when the run is to
    // end here.
    bool finishDocument(int i, int count) {
        if (w_.summary) {
            w_.summary->documentsDone = i;
        }
        trap_.step(144, [&] { hourglass(); });
        trap_.step(146, [&] { hourglass(); });
        if (i < count && w_.stopRequested && w_.stopRequested()) {
            if (w_.summary) w_.summary->stopped = true;
            return true;
        }
        return false;
    }

    // Steps 150-162: the progress bar at rest, the results window shown and
    // the main window hidden.
    RunOutcome end() {
        trap_.step(150, [&] { w_.progress.setValue(0); });
        trap_.step(152, [&] { w_.progress.setText(kProgressIdle); });
        trap_.step(154, [&] { seen_.reset(); });
        trap_.step(156, [&] { w_.showResults(); });
        trap_.step(158, [&] { w_.hideMain(); });
        restorePointer();
        return RunOutcome::Completed;
    }

private:
    void hourglass() { w_.pointer.set(PointerShape::Hourglass); }

    // Step 162, the last of every way out.
    void restorePointer() {
        trap_.step(162, [&] { w_.pointer.set(PointerShape::Default); });
    }

    // The first candidate word of a document lets messages through at once,
    // the others at most every interval.
    void pumpAtCandidate() {
        if (pumpedForDocument_) {
            pump_();
            return;
        }
        pumpedForDocument_ = true;
        pump_.now();
    }

    // Notes the document just asked for when the reader could not read it.
    // The summary is an extra: should noting fail, the run goes on as before.
    void noteUnread() {
        if (!w_.summary) return;
        try {
            if (auto reason = w_.reader.unreadReason())
                w_.summary->unread.push_back({path_, std::move(*reason), w_.reader.unreadIsOtherFile()});
        } catch (...) {}
    }

    // The index is an extra: should it fail, the run goes on without it.
    void beginIndexedDocument(int i) {
        try {
            stories_ = w_.reader.takeStories();
            w_.index->beginDocument(path_, static_cast<std::size_t>(i));
        } catch (...) {}
    }
    // An inner document has story spans of its own, never its container's.
    void beginIndexedInnerDocument(int i, wordproc::StorySpans stories) {
        try {
            stories_ = std::move(stories);
            w_.index->beginDocument(path_, static_cast<std::size_t>(i));
        } catch (...) {}
    }
    void indexOccurrence(std::string_view address, std::size_t begin, std::size_t end) {
        w_.index->add(address, wordproc::storyAt(stories_, begin), displayNameBefore(text_, begin, end));
    }

    const RunWiring& w_;
    ErrorTrap trap_;
    std::vector<std::string> addresses_;
    std::string path_;
    std::string text_;
    std::unique_ptr<SeenAddresses> seen_;
    platform::ThrottledPump pump_;
    // Whether the current document has let messages through yet.
    bool pumpedForDocument_ = false;
    const CandidatePump candidatePump_ = [this] { pumpAtCandidate(); };
    wordproc::StorySpans stories_;
    const AddressObserver indexOccurrence_ =
        w_.index ? AddressObserver([this](std::string_view address, std::size_t begin, std::size_t end) {
            indexOccurrence(address, begin, end);
        })
                 : AddressObserver();
};

// Ends the reader's run however the loop over the documents is left.
class ReaderRunScope {
public:
    explicit ReaderRunScope(DocumentTextReader& reader) : reader_(reader) {}
    ~ReaderRunScope() { reader_.endRun(); }
    ReaderRunScope(const ReaderRunScope&) = delete;
    ReaderRunScope& operator=(const ReaderRunScope&) = delete;

private:
    DocumentTextReader& reader_;
};

}  // namespace

RunOutcome Start(const RunWiring& wiring) {
    ExtractionRun run(wiring);
    if (!run.findDocuments()) return run.endWithoutDocuments();
    if (run.declinedWhileWordProcessorRuns()) return run.endDeclined();
    const int count = run.prepare();
    const ReaderRunScope readerRun(wiring.reader);
    run.announceDocuments(count);
    for (int i = 1; i <= count; ++i) {
        run.readDocument(i);
        run.extractAddresses();
        run.addRows();
        run.readInnerDocuments(i);
        if (run.finishDocument(i, count)) break;
    }
    return run.end();
}

}  // namespace harvelux::extract
