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

namespace {

// The inner documents of a readout, named from `path` down; those not read
// are told to the observer.
std::vector<InnerText> innerTexts(const std::string& path, DocumentReadout& readout,
                                  const Word1::UnreadableObserver& onUnreadable) {
    std::vector<InnerText> texts;
    texts.reserve(readout.inner.size());
    for (wordproc::InnerDocument& inner : readout.inner) {
        // A cap reached in the outer document itself is named after it.
        std::string name = inner.name.empty() ? path : path + "::" + inner.name;
        if (!inner.read) {
            if (onUnreadable) onUnreadable(name, inner.error, inner.reason);
            texts.push_back({std::move(name), {}, wordproc::describeReason(inner.reason), {}});
            continue;
        }
        texts.push_back({std::move(name), std::move(inner.text), std::nullopt, std::move(inner.stories)});
    }
    return texts;
}

}  // namespace

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
    lastInner_.clear();
    lastStories_.clear();
    DocumentReadout readout = readAhead_ ? readAhead_->take(path, pump) : readDocument(engine_, path, options_);
    if (readout.status == DocumentReadout::Status::EngineUnavailable) lastUnread_ = kEngineUnavailable;
    // The cause as the engine words it ("not a readable ZIP archive"), as
    // harvelux-extract gives it; the kind alone when there are no words. An
    // other file's cause is its kind: "picture", "program".
    if (readout.status == DocumentReadout::Status::Unreadable)
        lastUnread_ = readout.error.empty() ? wordproc::describeReason(readout.reason) : readout.error;
    // Read, but not whole: the run lists it with what it left out.
    if (readout.status == DocumentReadout::Status::Read && readout.partNotRead) {
        lastUnread_ = wordproc::describeReason(*readout.partNotRead);
        if (onUnreadable_) onUnreadable_(path, *lastUnread_, *readout.partNotRead);
    }
    lastOtherFile_ = readout.status == DocumentReadout::Status::Unreadable &&
                     readout.reason == wordproc::UnreadableReason::OtherFile;

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
    lastInner_ = innerTexts(path, readout, onUnreadable_);
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
