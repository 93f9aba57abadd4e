// The extraction run: every document of the file list is read, its new
// addresses are found and appended as result rows; at the end the results
// window is shown and the main window hidden.
//
// The run knows nothing of widgets: the window (or the command-line
// extractor) plugs its list, progress bar, pointer and result list in
// through the small interfaces below.
#pragma once

#include "common/ErrorReport.h"
#include "extract/AddressIndex.h"
#include "extract/DocumentTextReader.h"
#include "extract/RunSummary.h"
#include "platform/Platform.h"
#include "platform/Pointer.h"
#include "platform/ThrottledPump.h"

#include <cstddef>
#include <functional>
#include <string>

namespace harvelux::extract {

inline constexpr const char* kNoFilesAdded = "No files added.";
// The text as the run begins; a window that shows counts replaces it as
// each document starts (ProgressSink::setDocument).
inline constexpr const char* kProgressWorking = "Extracting emails.. \u00B7 Esc to stop";
inline constexpr const char* kProgressIdle = "Progress Bar";

// The documents to read, items numbered from 1.
class FileListSource {
public:
    virtual ~FileListSource() = default;
    virtual int count() const = 0;
    virtual std::string itemText(int index) const = 0;  // throws for an index out of range
};

// Where result rows go.
class ResultRowSink {
public:
    using RowId = std::size_t;
    virtual ~ResultRowSink() = default;
    // Appends a row whose first column is `text`.
    virtual RowId addRow(const std::string& text) = 0;
    // Sets the second column of a row added before.
    virtual void setSecondColumn(RowId row, const std::string& text) = 0;
};

class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void setValue(double percent) = 0;
    virtual void setText(const std::string& text) = 0;
    // Document `index` (from 1) of `count` starts; after setValue.
    virtual void setDocument(int /*index*/, int /*count*/) {}
};

struct RunWiring {
    const FileListSource& files;
    // The option "Include filename next to each email address in results",
    // read anew for every row: 0 gives the address alone.
    std::function<int()> option;
    ResultRowSink& results;
    ProgressSink& progress;
    platform::Pointer& pointer;
    platform::Platform& platform;
    DocumentTextReader& reader;
    // Called at the end of a run that went through the documents.
    std::function<void()> showResults;
    std::function<void()> hideMain;
    // The clock of the run's message pump (see Start).
    platform::ThrottledPump::Clock clock = &platform::ThrottledPump::coarseNow;
    // Filled in as the run goes, when given: counts, and the documents that
    // could not be read with the reader's reason.
    RunSummary* summary = nullptr;
    // Asked after each document but the last: true ends the run there, and
    // the results found so far are shown. May be empty.
    std::function<bool()> stopRequested = {};
    // Where a failed step goes; empty: the "Application Error" message box.
    StepFailureReport reportFailure = {};
    // "Find International Addresses": letters of every script in addresses.
    bool internationalAddresses = false;
    // Filled in as the run goes, when given: every occurrence of every
    // address, with its document, story and display name.
    AddressIndex* index = nullptr;
};

enum class RunOutcome { NoFiles, Declined, Completed };

// The run. Every step runs under the error trap: a failing step is reported
// with its line and the run goes on with the next one.
//
// The run lets window messages through once before the word-processor check
// and, for every document, at its first candidate word (or after the
// document, when it has none), so the progress bar shows each document; the
// other candidate words let messages through at most every 20 ms, since a
// document may hold hundreds of thousands of them.
RunOutcome Start(const RunWiring& wiring);

}  // namespace harvelux::extract
