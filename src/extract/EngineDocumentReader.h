// Reads a document's main text through the document engine, one engine
// instance per document, and checks for a running desktop word processor.
#pragma once

#include "common/ErrorReport.h"
#include "extract/DocumentTextReader.h"
#include "platform/Platform.h"
#include "platform/Pointer.h"
#include "wordproc/EngineInterface.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace harvelux::extract {

inline constexpr const char* kWordOpenWarning =
    "Word may be open. It is recommended that you close Word first. Use Ctrl+Alt+Del > Task Manager > "
    "WINWORD.EXE if necessary.\r\n\r\nWould you like to proceed anyway?";

class Word1 final : public DocumentTextReader {
public:
    // `isRunning` reports whether a desktop word processor is running; it may
    // throw, which counts as "not running".
    Word1(wordproc::ApplicationFactory& engine, platform::Platform& platform, platform::Pointer& pointer,
          std::function<bool()> isRunning);
    ~Word1() override;

    // Told of every document that could not be read, with the engine's
    // message and the kind of failure.
    using UnreadableObserver =
        std::function<void(const std::string& path, const std::string& message, wordproc::UnreadableReason reason)>;
    void setUnreadableObserver(UnreadableObserver observer) { onUnreadable_ = std::move(observer); }
    // Where a failed step of reading a document goes; by default the
    // "Application Error" message box.
    void setFailureReport(StepFailureReport report) { reportFailure_ = std::move(report); }

    // Read up to `jobs` documents of a run at a time on worker threads
    // (1: one after the other, as they are asked for). The texts, their
    // order and every message stay those of reading one by one.
    void setReadAhead(unsigned jobs);

    // What is read of each document from the next run on (and whatever the
    // read-ahead reads, when set before setReadAhead).
    void setReadOptions(const wordproc::ReadOptions& options) { options_ = options; }
    const wordproc::ReadOptions& readOptions() const { return options_; }

    std::string ReturnDocumentString(const std::string& path) override;
    bool WarnIfWordOpen() override;
    bool IsWordRunning();
    void beginRun(std::vector<std::string> paths) override;
    void endRun() override;
    std::optional<std::string> unreadReason() const override { return lastUnread_; }
    std::vector<InnerText> takeInnerDocuments() override { return std::move(lastInner_); }
    bool unreadIsOtherFile() const override { return lastOtherFile_; }
    wordproc::StorySpans takeStories() override { return std::move(lastStories_); }

private:
    wordproc::ApplicationFactory& engine_;
    platform::Platform& platform_;
    platform::Pointer& pointer_;
    std::function<bool()> isRunning_;
    UnreadableObserver onUnreadable_;
    StepFailureReport reportFailure_;
    wordproc::ReadOptions options_;
    unsigned readAheadJobs_ = 1;
    std::optional<std::string> lastUnread_;
    std::vector<InnerText> lastInner_;
    bool lastOtherFile_ = false;
    wordproc::StorySpans lastStories_;
    std::unique_ptr<class ReadAhead> readAhead_;
};

}  // namespace harvelux::extract
