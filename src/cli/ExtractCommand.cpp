#include "cli/ExtractCommand.h"

#include "cli/ConsolePlatform.h"
#include "cli/PartMerge.h"
#include "cli/ProgressLine.h"
#include "cli/TerminalText.h"
#include "cli/TextDump.h"
#include "common/AtomicFile.h"
#include "extract/DocumentReadout.h"
#include "extract/EngineDocumentReader.h"
#include "extract/ExtractionRun.h"
#include "filelist/AddFolder.h"
#include "filelist/FolderScan.h"
#include "results/AddressTable.h"
#include "results/InMemoryListView.h"
#include "results/ListViewWriters.h"
#include "wordproc/BuiltInEngine.h"
#include "wordproc/DocumentFile.h"
#include "wordproc/EngineInterface.h"

#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <iostream>
#include <new>
#include <thread>

namespace harvelux::cli {

namespace {

class PathList final : public extract::FileListSource {
public:
    explicit PathList(std::vector<std::string> paths) : paths_(std::move(paths)) {}
    int count() const override { return static_cast<int>(paths_.size()); }
    std::string itemText(int index) const override { return paths_.at(static_cast<std::size_t>(index - 1)); }

private:
    std::vector<std::string> paths_;
};

class NoProgress final : public extract::ProgressSink {
public:
    void setValue(double) override {}
    void setText(const std::string&) override {}
};

struct Failure {
    std::string path;
    std::string reason;
    bool otherFile = false;  // no document at all (a picture, a program): skipped, not failed
};

bool isRealFailure(const Failure& failure) { return !failure.otherFile; }

// Wraps the reader: counts documents, notes failures, shows a progress line
// on a terminal, or the --progress line when one is given.
class CountingReader final : public extract::DocumentTextReader {
public:
    CountingReader(extract::DocumentTextReader& inner, int total, std::ostream& err, bool showProgress)
        : inner_(inner), total_(total), err_(err), showProgress_(showProgress) {}

    // Counts documents done, addresses found and documents not read.
    void setProgressLine(ProgressLine* line, std::function<std::size_t()> addresses,
                         std::function<std::size_t()> unread) {
        line_ = line;
        addresses_ = std::move(addresses);
        unread_ = std::move(unread);
    }

    std::string ReturnDocumentString(const std::string& path) override {
        if (line_)
            line_->update(static_cast<std::size_t>(read_), static_cast<std::size_t>(total_), addresses_(), unread_());
        ++read_;
        if (showProgress_ && !line_)
            err_ << "\r\x1b[K[" << read_ << '/' << total_ << "] " << escapeControls(path) << std::flush;
        return inner_.ReturnDocumentString(path);
    }
    bool WarnIfWordOpen() override { return false; }
    std::vector<extract::InnerText> takeInnerDocuments() override {
        std::vector<extract::InnerText> inner = inner_.takeInnerDocuments();
        innerRead_ += inner.size();
        return inner;
    }
    // Documents read inside the listed ones (an archive's, an e-mail's).
    std::size_t innerDocuments() const { return innerRead_; }
    void beginRun(std::vector<std::string> paths) override { inner_.beginRun(std::move(paths)); }
    void endRun() override { inner_.endRun(); }
    wordproc::StorySpans takeStories() override { return inner_.takeStories(); }
    void finishProgress() {
        if (line_)
            line_->clear();
        else if (showProgress_)
            err_ << "\r\x1b[K" << std::flush;
    }

private:
    extract::DocumentTextReader& inner_;
    int total_;
    int read_ = 0;
    std::size_t innerRead_ = 0;
    std::ostream& err_;
    bool showProgress_;
    ProgressLine* line_ = nullptr;
    std::function<std::size_t()> addresses_;
    std::function<std::size_t()> unread_;
};

// --raw: the file's bytes are the text.
class RawReader final : public extract::DocumentTextReader {
public:
    explicit RawReader(std::vector<Failure>& failures) : failures_(failures) {}
    std::string ReturnDocumentString(const std::string& path) override {
        try {
            return wordproc::readDocumentFile(path);
        } catch (const std::exception& e) {
            failures_.push_back({path, e.what(), false});
            return std::string();
        }
    }
    bool WarnIfWordOpen() override { return false; }

private:
    std::vector<Failure>& failures_;
};

int dumpTexts(const std::vector<std::string>& paths, const wordproc::ReadOptions& readOptions, std::ostream& out,
              std::ostream& err) {
    wordproc::BuiltInEngineFactory factory;
    int failed = 0;
    for (const std::string& path : paths) {
        out << "== " << escapeControls(path) << '\n';
        const extract::DocumentReadout readout = extract::readDocument(factory, path, readOptions);
        if (readout.status != extract::DocumentReadout::Status::Read) {
            ++failed;
            out << std::flush;  // so a terminal shows the message under its document
            err << "harvelux-extract: " << escapeControls(readout.error) << '\n';
            continue;
        }
        const std::string escaped = escapeForDump(readout.text);
        out << escaped;
        if (!escaped.empty() && escaped.back() != '\n') out << '\n';
    }
    return failed == 0 ? 0 : 1;
}

// What a run gives to write: its rows, as the desktop lists them, and its
// index by address.
struct RunResults {
    results::InMemoryListView table;
    extract::AddressIndex index;
};

// The clipboard text's CR LF line ends as LF, piece by piece (a CR at the end
// of one piece may belong to the LF that starts the next).
class LineEndsToLf {
public:
    explicit LineEndsToLf(const results::ExportOutput& output) : output_(output) {}
    bool operator()(std::string_view piece) {
        std::string out;
        out.reserve(piece.size() + 1);
        for (const char c : piece) {
            if (pendingCr_ && c != '\n') out += '\r';
            pendingCr_ = c == '\r';
            if (!pendingCr_) out += c;
        }
        return output_(out);
    }
    bool finish() { return !pendingCr_ || output_("\r"); }

private:
    const results::ExportOutput& output_;
    bool pendingCr_ = false;
};

bool writeResults(const RunResults& run, const CliOptions& options, const results::ExportOutput& output) {
    switch (options.format) {
        case OutputFormat::Text:
            return results::writeTextFile(run.table, output);
        case OutputFormat::Comma:
            return results::writeCommaFile(run.table, output);
        case OutputFormat::Csv:
            return results::writeAddressCsv(run.index, results::allEntries(run.index), output);
        case OutputFormat::JsonLines:
            return results::writeAddressJsonLines(run.index, results::allEntries(run.index), output);
        case OutputFormat::Lines:
            break;
    }
    if (options.crlf) return results::writeClipboardText(run.table, output);
    LineEndsToLf lf(output);
    return results::writeClipboardText(run.table, [&lf](std::string_view piece) { return lf(piece); }) && lf.finish();
}

// The results to the -o file, whole or not at all, or to `out` as they are
// formatted. False with a sentence in `error` when they cannot be written.
bool deliverResults(const CliOptions& options, const RunResults& table, std::ostream& out, std::string& error) {
    if (!options.outputFile) {
        const bool written = writeResults(table, options, [&out](std::string_view piece) {
            out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
            return static_cast<bool>(out);
        });
        out.flush();
        if (!written || !out) error = "could not write the results to standard output";
        return written && out;
    }
    AtomicFile file;
    try {
        if (file.open(*options.outputFile) &&
            writeResults(table, options, [&file](std::string_view piece) { return file.write(piece); }) &&
            file.commit())
            return true;
    } catch (const std::bad_alloc&) {
        file.abandon("not enough memory to write " + *options.outputFile);
    }
    error = file.error();
    return false;
}

// The most documents read at a time: beyond a few per core, more threads
// only cost memory and switches.
unsigned jobsFor(const CliOptions& options, std::ostream& err) {
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    if (options.jobs <= 0) return cores;
    const unsigned most = 4 * cores;
    const auto asked = static_cast<unsigned>(options.jobs);
    if (asked <= most) return asked;
    if (options.stats)
        err << "harvelux-extract: -j " << asked << " lowered to " << most << " (4 times the " << cores
            << (cores == 1 ? " core)" : " cores)") << '\n';
    return most;
}

wordproc::ReadOptions readOptionsFor(const CliOptions& options) {
    wordproc::ReadOptions readOptions;
    readOptions.allStories = options.allStories;
    readOptions.ocr = options.ocr;
    readOptions.ocrLanguages = options.ocrLanguages;
    return readOptions;
}

// Documents a scan could not reach are missing from the run: that is a
// failure like a document that cannot be read. Returns the exit status so far.
int reportScanProblems(const filelist::ScanProblems& problems, std::ostream& err) {
    for (const filelist::ScanProblem& problem : problems.items())
        err << "harvelux-extract: could not scan " << escapeControls(problem.path) << ": "
            << escapeControls(problem.reason) << '\n';
    return problems.empty() ? 0 : 1;
}

// A failed step is a line on standard error, not the desktop's report, and
// makes the exit status 1.
class StepFailures {
public:
    explicit StepFailures(std::ostream& err) : err_(err) {}

    // The report of the steps of `what`.
    StepFailureReport reportFor(const char* what) {
        return [this, what](int line, const std::string& description) {
            failed_ = true;
            err_ << "harvelux-extract: step " << line << " of " << what << " failed: " << description << '\n';
        };
    }
    bool any() const { return failed_; }

private:
    std::ostream& err_;
    bool failed_ = false;
};

// The engine's reader as the command line runs it: its read options, as many
// documents read ahead as the jobs allow, the documents not read noted in
// `failures`, failed steps reported to `steps`.
void setUpEngineReader(extract::Word1& word, const CliOptions& options, std::vector<Failure>& failures,
                       StepFailures& steps, std::ostream& err) {
    word.setReadOptions(readOptionsFor(options));
    word.setReadAhead(jobsFor(options, err));
    word.setUnreadableObserver(
        [&failures](const std::string& path, const std::string& message, wordproc::UnreadableReason reason) {
            failures.push_back({path, message, reason == wordproc::UnreadableReason::OtherFile});
        });
    word.setFailureReport(steps.reportFor("reading a document"));
}

// The extraction run over `documents`: the addresses go to `table`, the
// documents not read to `failures`. False when a step failed.
bool collectAddresses(const CliOptions& options, const std::vector<std::string>& documents, RunResults& run,
                      std::vector<Failure>& failures, std::size_t& inner, std::ostream& err) {
    results::InMemoryListView& table = run.table;
    ConsolePlatform console;
    platform::RememberedPointer pointer;
    wordproc::BuiltInEngineFactory factory;
    StepFailures steps(err);
    extract::Word1 word(factory, console, pointer, nullptr);
    setUpEngineReader(word, options, failures, steps, err);
    RawReader raw(failures);
    CountingReader reader(options.raw ? static_cast<extract::DocumentTextReader&>(raw) : word,
                          static_cast<int>(documents.size()), err, ::isatty(STDERR_FILENO) != 0);

    ProgressLine progressLine(err);
    // A status line is for a person watching a terminal, not for a log file.
    if (options.progress && (options.forceProgress || ::isatty(STDERR_FILENO) != 0))
        reader.setProgressLine(
            &progressLine, [&table] { return static_cast<std::size_t>(table.rowCount()); },
            [&failures] {
                return static_cast<std::size_t>(std::count_if(failures.begin(), failures.end(), isRealFailure));
            });
    const PathList files(documents);
    NoProgress progress;
    extract::RunWiring wiring{
        files, [&options] { return options.withFilename ? 1 : 0; }, table, progress, pointer, console, reader, [] {},
        [] {}};
    wiring.reportFailure = steps.reportFor("the run");
    wiring.internationalAddresses = options.international;
    wiring.index = &run.index;
    run.index.setFirstPosition(options.firstPosition);
    extract::Start(wiring);
    inner = reader.innerDocuments();
    reader.finishProgress();
    return !steps.any();
}

// `documents` counts those inside others too, as the failures do.
void printStats(std::size_t documents, const std::vector<Failure>& failures, int addresses, double seconds,
                std::ostream& err) {
    const auto failed = static_cast<std::size_t>(std::count_if(failures.begin(), failures.end(), isRealFailure));
    const std::size_t others = failures.size() - failed;
    err << "documents read: " << documents - failures.size() << '\n';
    err << "documents not read: " << failed << '\n';
    const auto list = [&](bool otherFiles) {
        for (const Failure& f : failures)
            if (f.otherFile == otherFiles)
                err << "  " << escapeControls(f.path) << ": " << escapeControls(f.reason) << '\n';
    };
    list(false);
    if (others > 0) {
        err << "other files skipped: " << others << '\n';
        list(true);
    }
    err << "addresses: " << addresses << '\n';
    err << "seconds: " << seconds << '\n';
}

// --merge: the parts read and merged; their rows as one run lists them.
int mergeParts(const CliOptions& options, std::ostream& out, std::ostream& err) {
    std::vector<PartEntry> entries;
    for (const std::string& path : options.paths) {
        std::string error;
        std::string part;
        try {
            part = wordproc::readDocumentFile(path);
        } catch (const std::exception& e) {
            error = e.what();
        }
        if (error.empty() && mergeJsonLines(part, entries, error)) continue;
        err << "harvelux-extract: " << escapeControls(path) << ": " << escapeControls(error) << '\n';
        return 1;
    }
    RunResults run{results::InMemoryListView::forOption(options.withFilename), mergedIndex(std::move(entries))};
    for (std::size_t i = 0; i < run.index.size(); ++i) {
        const extract::AddressIndex::Entry& entry = run.index.entry(i);
        if (!options.withFilename) {
            run.table.addRow(entry.spelling);
            continue;
        }
        const auto row = run.table.addRow(run.index.documentName(entry.documents.front().document));
        run.table.setSecondColumn(row, entry.spelling);
    }
    std::string error;
    if (deliverResults(options, run, out, error)) return 0;
    err << "harvelux-extract: " << escapeControls(error) << '\n';
    return 1;
}

}  // namespace

std::vector<std::string> expandPaths(const CliOptions& options, filelist::ScanProblems* problems) {
    std::vector<std::string> documents;
    for (const std::string& path : options.paths) {
        if (options.raw || filelist::kindOf(path) != filelist::EntryKind::Folder) {
            documents.push_back(path);
            continue;
        }
        std::string folder = filelist::withoutTrailingSeparators(path);
        // The root is scanned as "", so its paths come out as "/name", not
        // as the "//name" that "/" + "/" + name builds.
        if (folder == "/") folder.clear();
        std::vector<std::string> found = options.allFiles ? filelist::ScanTree(folder, "*", {}, problems)
                                                          : filelist::FolderDocuments(folder, {}, problems);
        for (std::string& each : found) documents.push_back(std::move(each));
    }
    return documents;
}

int runExtractor(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const auto started = std::chrono::steady_clock::now();
    if (options.merge) return mergeParts(options, out, err);
    filelist::ScanProblems scanProblems;
    const std::vector<std::string> documents = expandPaths(options, &scanProblems);
    const int scanStatus = reportScanProblems(scanProblems, err);
    if (options.dumpText) return std::max(dumpTexts(documents, readOptionsFor(options), out, err), scanStatus);

    // A run over nothing is no success: a misspelt folder must not pass unseen.
    const bool noDocuments = documents.empty();
    if (noDocuments) err << "harvelux-extract: no documents found\n";

    RunResults run{results::InMemoryListView::forOption(options.withFilename), {}};
    const results::InMemoryListView& table = run.table;
    std::vector<Failure> failures;
    std::size_t inner = 0;
    const bool stepsRan = collectAddresses(options, documents, run, failures, inner, err);
    if (!options.quiet && !options.stats)
        for (const Failure& f : failures)
            if (isRealFailure(f))
                err << "harvelux-extract: " << escapeControls(f.path) << ": " << escapeControls(f.reason) << '\n';
    // Pictures, programs and other files that hold no document fail nothing.
    const bool allRead = std::none_of(failures.begin(), failures.end(), isRealFailure);
    int status = allRead && stepsRan && !noDocuments ? scanStatus : 1;
    std::string error;
    if (!deliverResults(options, run, out, error)) {
        err << "harvelux-extract: " << escapeControls(error) << '\n';
        status = 1;
    }
    if (options.stats) {
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        printStats(documents.size() + inner, failures, table.rowCount(), seconds, err);
    }
    return status;
}

}  // namespace harvelux::cli
