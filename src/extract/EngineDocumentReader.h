// Reads a document's main text through the document engine, one engine
// instance per document, and checks for a running desktop word processor.
#pragma once

#include "extract/DocumentTextReader.h"
#include "platform/Platform.h"
#include "platform/Pointer.h"
#include "wordproc/Engine.h"

#include <functional>
#include <memory>

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

    // Told of every document that could not be read, with the reason (the
    // window has no use for it; the command-line extractor reports it).
    using UnreadableObserver = std::function<void(const std::string& path, const std::string& reason)>;
    void setUnreadableObserver(UnreadableObserver observer) { onUnreadable_ = std::move(observer); }

    // Read up to `jobs` documents of a run at a time on worker threads
    // (1: one after the other, as they are asked for). The texts, their
    // order and every message stay those of reading one by one.
    void setReadAhead(unsigned jobs);

    std::string ReturnDocumentString(const std::string& path) override;
    bool WarnIfWordOpen() override;
    bool IsWordRunning();
    void beginRun(std::vector<std::string> paths) override;
    void endRun() override;

private:
    wordproc::ApplicationFactory& engine_;
    platform::Platform& platform_;
    platform::Pointer& pointer_;
    std::function<bool()> isRunning_;
    UnreadableObserver onUnreadable_;
    std::unique_ptr<class ReadAhead> readAhead_;
};

}  // namespace harvelux::extract
