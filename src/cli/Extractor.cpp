#include "cli/Extractor.h"

#include "cli/ConsolePlatform.h"
#include "cli/TextDump.h"
#include "common/AtomicFile.h"
#include "extract/DocumentReadout.h"
#include "extract/EngineDocumentReader.h"
#include "extract/ExtractionRun.h"
#include "filelist/AddFolder.h"
#include "filelist/FolderScan.h"
#include "results/ListViewWriters.h"
#include "results/ResultTable.h"
#include "wordproc/DocumentEngine.h"
#include "wordproc/DocumentFile.h"
#include "wordproc/Engine.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <iostream>
#include <unistd.h>

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
};

// Wraps the reader: counts documents, notes failures, shows a progress line
// on a terminal.
class CountingReader final : public extract::DocumentTextReader {
public:
    CountingReader(extract::DocumentTextReader& inner, int total, std::ostream& err, bool showProgress)
        : inner_(inner), total_(total), err_(err), showProgress_(showProgress) {}

    std::string ReturnDocumentString(const std::string& path) override {
        ++read_;
        if (showProgress_) err_ << "\r\x1b[K[" << read_ << '/' << total_ << "] " << path << std::flush;
        return inner_.ReturnDocumentString(path);
    }
    bool WarnIfWordOpen() override { return false; }
    void beginRun(std::vector<std::string> paths) override { inner_.beginRun(std::move(paths)); }
    void endRun() override { inner_.endRun(); }
    void finishProgress() {
        if (showProgress_) err_ << "\r\x1b[K" << std::flush;
    }

private:
    extract::DocumentTextReader& inner_;
    int total_;
    int read_ = 0;
    std::ostream& err_;
    bool showProgress_;
};

// --raw: the file's bytes are the text.
class RawReader final : public extract::DocumentTextReader {
public:
    explicit RawReader(std::vector<Failure>& failures) : failures_(failures) {}
    std::string ReturnDocumentString(const std::string& path) override {
        try {
            return wordproc::readDocumentFile(path);
        } catch (const std::exception& e) {
            failures_.push_back({path, e.what()});
            return std::string();
        }
    }
    bool WarnIfWordOpen() override { return false; }

private:
    std::vector<Failure>& failures_;
};

int dumpTexts(const std::vector<std::string>& paths, std::ostream& out, std::ostream& err) {
    wordproc::DocumentEngineFactory factory;
    int failed = 0;
    for (const std::string& path : paths) {
        out << "== " << path << '\n';
        const extract::DocumentReadout readout = extract::readDocument(factory, path);
        if (readout.status != extract::DocumentReadout::Status::Read) {
            ++failed;
            out << std::flush;  // so a terminal shows the message under its document
            err << "harvelux-extract: " << readout.error << '\n';
            continue;
        }
        const std::string escaped = escapeForDump(readout.text);
        out << escaped;
        if (!escaped.empty() && escaped.back() != '\n') out << '\n';
    }
    return failed == 0 ? 0 : 1;
}

std::string formatResults(const results::ResultTable& table, OutputFormat format) {
    switch (format) {
        case OutputFormat::Text:
            return results::buildTextFile(table);
        case OutputFormat::Comma:
            return results::buildCommaFile(table);
        case OutputFormat::Lines:
            break;
    }
    return results::buildClipboardText(table).value_or(std::string());
}

}  // namespace

std::vector<std::string> expandPaths(const CliOptions& options) {
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
        std::vector<std::string> found =
            options.allFiles ? filelist::ScanTree(folder, "*") : filelist::FolderDocuments(folder);
        for (std::string& each : found) documents.push_back(std::move(each));
    }
    return documents;
}

int runExtractor(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const auto started = std::chrono::steady_clock::now();
    const std::vector<std::string> documents = expandPaths(options);
    if (options.dumpText) return dumpTexts(documents, out, err);

    ConsolePlatform console;
    platform::RememberedPointer pointer;
    wordproc::DocumentEngineFactory factory;
    std::vector<Failure> failures;
    extract::Word1 word(factory, console, pointer, nullptr);
    word.setReadAhead(options.jobs > 0 ? static_cast<unsigned>(options.jobs)
                                       : std::max(1u, std::thread::hardware_concurrency()));
    word.setUnreadableObserver(
        [&failures](const std::string& path, const std::string& reason) { failures.push_back({path, reason}); });
    RawReader raw(failures);
    CountingReader reader(options.raw ? static_cast<extract::DocumentTextReader&>(raw) : word,
                          static_cast<int>(documents.size()), err, ::isatty(STDERR_FILENO) != 0);

    results::ResultTable table = results::ResultTable::forOption(options.withFilename);
    const PathList files(documents);
    NoProgress progress;
    extract::Start({files, [&options] { return options.withFilename ? 1 : 0; }, table, progress, pointer, console,
                    reader, [] {}, [] {}});
    reader.finishProgress();

    const std::string output = formatResults(table, options.format);
    int status = failures.empty() ? 0 : 1;
    if (options.outputFile) {
        std::string error;
        if (!writeFileWholeOrNothing(*options.outputFile, output, error)) {
            err << "harvelux-extract: " << error << '\n';
            status = 1;
        }
    } else {
        out << output << std::flush;
    }

    if (options.stats) {
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        err << "documents read: " << documents.size() - failures.size() << '\n';
        err << "documents not read: " << failures.size() << '\n';
        for (const Failure& f : failures) err << "  " << f.path << ": " << f.reason << '\n';
        err << "addresses: " << table.rowCount() << '\n';
        err << "seconds: " << seconds << '\n';
    }
    return status;
}

}  // namespace harvelux::cli
