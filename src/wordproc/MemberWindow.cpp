#include "wordproc/MemberWindow.h"

#include "wordproc/ReadNotes.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>

namespace harvelux::wordproc {

namespace {
constexpr std::size_t kReadsPerThread = 8;
constexpr std::size_t kMinReadsInFlight = 4;
// The members' bytes in flight; one member is always let through, whatever
// its size.
constexpr std::size_t kBytesInFlight = std::size_t{64} << 20;
constexpr std::size_t kSmallestOffered = 4096;
}  // namespace

// What the window and its reads share; a read may outlive the window in a
// pool's queue, never while it runs.
struct MemberWindow::Shared {
    std::mutex mutex;
    std::condition_variable ended;
    std::size_t inFlight = 0;
    std::size_t bytesInFlight = 0;
};

class MemberWindow::WindowRead final : public PooledRead {
public:
    WindowRead(std::shared_ptr<Shared> shared, std::function<MemberOutcome()> work, std::size_t bytes)
        : shared_(std::move(shared)), work_(std::move(work)), bytes_(bytes) {}

    void run() noexcept override {
        MemberOutcome outcome;
        std::exception_ptr error;
        try {
            outcome = work_();
        } catch (...) {
            error = std::current_exception();
        }
        work_ = nullptr;  // the member's bytes go now, not when the pool drops the read
        {
            const std::lock_guard lock(shared_->mutex);
            outcome_ = std::move(outcome);
            error_ = error;
            done_ = true;
            ended();
        }
        shared_->ended.notify_all();
    }
    // Taken back before any thread ran it: it is in flight no more.
    void cancel() {
        const std::lock_guard lock(shared_->mutex);
        ended();
    }

    // With the shared lock held:
    bool done() const { return done_; }
    MemberOutcome& outcome() { return outcome_; }
    const std::exception_ptr& error() const { return error_; }

private:
    void ended() {
        --shared_->inFlight;
        shared_->bytesInFlight -= bytes_;
    }

    std::shared_ptr<Shared> shared_;
    std::function<MemberOutcome()> work_;
    std::size_t bytes_;
    bool done_ = false;
    MemberOutcome outcome_;
    std::exception_ptr error_;
};

MemberWindow::MemberWindow(std::vector<InnerDocument>& out, MemberReadPool* pool)
    : out_(out),
      pool_(pool),
      capacity_(pool ? std::max(kMinReadsInFlight, kReadsPerThread * pool->threads()) : 1),
      shared_(std::make_shared<Shared>()) {}

MemberWindow::~MemberWindow() {
    for (const std::shared_ptr<WindowRead>& read : offered_)
        if (read->claim()) read->cancel();
    std::unique_lock lock(shared_->mutex);
    shared_->ended.wait(lock, [this] { return shared_->inFlight == 0; });
}

void MemberWindow::append(InnerDocument document) {
    entries_.push_back({.document = std::move(document), .held = false, .read = nullptr});
    flush();
}

std::size_t MemberWindow::hold(InnerDocument document) {
    entries_.push_back({.document = std::move(document), .held = true, .read = nullptr});
    return first_ + entries_.size() - 1;
}

InnerDocument& MemberWindow::held(std::size_t position) { return *entries_[position - first_].document; }

bool MemberWindow::isLast(std::size_t position) const { return position + 1 == first_ + entries_.size(); }

void MemberWindow::release(std::size_t position, bool keep) {
    if (!keep && isLast(position)) {
        entries_.pop_back();
        return;
    }
    entries_[position - first_].held = false;
}

bool MemberWindow::full() const {
    const std::lock_guard lock(shared_->mutex);
    return shared_->inFlight > capacity_ || (shared_->inFlight > 1 && shared_->bytesInFlight > kBytesInFlight);
}

void MemberWindow::read(std::function<MemberOutcome()> read, std::size_t bytes) {
    // A member this small is read sooner than it is handed over.
    const bool offer = pool_ && bytes >= kSmallestOffered;
    auto pooled = std::make_shared<WindowRead>(shared_, std::move(read), bytes);
    {
        const std::lock_guard lock(shared_->mutex);
        ++shared_->inFlight;
        shared_->bytesInFlight += bytes;
    }
    entries_.push_back({.document = std::nullopt, .held = false, .read = pooled});
    if (offer) {
        offered_.push_back(pooled);
        pool_->offer(pooled);
        while (full()) helpOrWait();
    } else if (pooled->claim()) {
        pooled->run();
    }
    flush();
}

void MemberWindow::helpOrWait() {
    std::unique_lock lock(shared_->mutex);
    // Counted before the lock is let go: reads may end meanwhile.
    const std::size_t before = shared_->inFlight;
    if (before == 0) return;
    // The window is full: this thread can list no further until a read
    // ends, so it reads the earliest member no thread has taken yet.
    lock.unlock();
    if (runEarliestOffered()) return;
    lock.lock();
    // The reads not run here are another thread's, which ends them.
    shared_->ended.wait(lock, [&] { return shared_->inFlight < before; });
}

bool MemberWindow::runEarliestOffered() {
    while (!offered_.empty()) {
        const std::shared_ptr<WindowRead> read = std::move(offered_.front());
        offered_.pop_front();
        if (read->claim()) {
            read->run();
            return true;
        }
    }
    return false;
}

void MemberWindow::flush() {
    while (!entries_.empty()) {
        Entry& entry = entries_.front();
        if (entry.held) return;
        if (entry.read) {
            MemberOutcome outcome;
            std::exception_ptr error;
            {
                const std::lock_guard lock(shared_->mutex);
                if (!entry.read->done()) return;
                outcome = std::move(entry.read->outcome());
                error = entry.read->error();
            }
            entries_.pop_front();
            ++first_;
            if (error) std::rethrow_exception(error);
            if (outcome.scannedPagesUnread) ReadNotes::noteScannedPagesUnread();
            for (InnerDocument& document : outcome.documents) out_.push_back(std::move(document));
            continue;
        }
        out_.push_back(std::move(*entry.document));
        entries_.pop_front();
        ++first_;
    }
}

void MemberWindow::finish() {
    while (true) {
        {
            const std::lock_guard lock(shared_->mutex);
            if (shared_->inFlight == 0) break;
        }
        helpOrWait();
    }
    flush();
}

}  // namespace harvelux::wordproc
