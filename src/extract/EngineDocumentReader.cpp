#include "extract/EngineDocumentReader.h"

#include "common/ErrorReport.h"
#include "extract/DocumentReadout.h"
#include "extract/ReadAhead.h"

#include <memory>
#include <stdexcept>
#include <system_error>

namespace harvelux::extract {

namespace {
// What a call on an engine instance that was never started reports.
constexpr const char* kNoInstance = "Object variable or With block variable not set";
// Why a document went unread when the engine itself would not start.
constexpr const char* kEngineUnavailable = "the document engine could not start";
}  // namespace

using platform::PointerShape;

Word1::Word1(wordproc::ApplicationFactory& engine, platform::Platform& platform, platform::Pointer& pointer,
             std::function<bool()> isRunning)
    : engine_(engine), platform_(platform), pointer_(pointer), isRunning_(std::move(isRunning)) {}

Word1::~Word1() = default;

void Word1::setReadAhead(unsigned jobs) {
    readAheadJobs_ = jobs;
    readAhead_.reset();
    if (jobs <= 1) return;
    try {
        readAhead_ = std::make_unique<ReadAhead>(engine_, jobs, ReadAheadLimits{}, options_);
    } catch (const std::system_error&) {
        // Not one thread to spare: every document is read when its turn comes.
    }
}

void Word1::beginRun(std::vector<std::string> paths) {
    if (!readAhead_) return;
    // The read-ahead reads with the options of the run it starts.
    if (readAhead_->options() != options_) setReadAhead(readAheadJobs_);
    readAhead_->start(std::move(paths));
}

void Word1::endRun() {
    if (readAhead_) readAhead_->stop();
}

std::string Word1::ReturnDocumentString(const std::string& path) {
    // The engine's work may already have been done on a worker thread; what
    // the user sees is played back here in the order of the steps: a failure
    // to start the engine is reported (and the steps after it still run),
    // any failure from opening the document on is silent and gives "".
    const auto pump = [this] { platform_.processEvents(); };
    // Outside a run the read-ahead has no list, and take reads the document
    // directly.
    lastUnread_.reset();
    lastStories_.clear();
    DocumentReadout readout = readAhead_ ? readAhead_->take(path, pump) : readDocument(engine_, path, options_);
    if (readout.status == DocumentReadout::Status::EngineUnavailable) lastUnread_ = kEngineUnavailable;
    if (readout.status == DocumentReadout::Status::Unreadable) lastUnread_ = wordproc::describeReason(readout.reason);
    // An other file's reason is its kind: "picture", "program".
    lastOtherFile_ = readout.status == DocumentReadout::Status::Unreadable &&
                     readout.reason == wordproc::UnreadableReason::OtherFile;
    if (lastOtherFile_) lastUnread_ = readout.error;

    ErrorTrap trap(platform_, "Word1", "ReturnDocumentString", reportFailure_);
    trap.step(100, [&] { pointer_.set(PointerShape::Hourglass); });
    trap.step(102, [&] {
        if (readout.status == DocumentReadout::Status::EngineUnavailable) throw std::runtime_error(readout.error);
    });
    trap.step(104, [&] { pointer_.set(PointerShape::Hourglass); });
    // 106-124 run silently; on a failure, 126-130: the result is "" and the
    // instance quits. Quitting an instance that never started fails in turn,
    // and that error is the caller's to report.
    if (readout.status == DocumentReadout::Status::EngineUnavailable) {
        if (onUnreadable_) onUnreadable_(path, readout.error, readout.reason);
        throw std::runtime_error(kNoInstance);
    }
    pointer_.set(PointerShape::Hourglass);
    if (readout.status == DocumentReadout::Status::Unreadable) {
        if (onUnreadable_) onUnreadable_(path, readout.error, readout.reason);
        return std::string();
    }
    lastStories_ = std::move(readout.stories);
    // Handed on, not copied: a text may run to many megabytes.
    return std::move(readout.text);
}

bool Word1::IsWordRunning() {
    try {
        return isRunning_ && isRunning_();
    } catch (...) {
        return false;
    }
}

bool Word1::WarnIfWordOpen() {
    if (!IsWordRunning()) return false;
    return !platform::askYesNo(platform_, kWordOpenWarning);
}

}  // namespace harvelux::extract
