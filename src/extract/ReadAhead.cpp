#include "extract/ReadAhead.h"

#include "platform/ThrottledPump.h"

#include <algorithm>
#include <system_error>

namespace harvelux::extract {

ReadAhead::ReadAhead(wordproc::ApplicationFactory& engine, unsigned jobs, ReadAheadLimits limits,
                     wordproc::ReadOptions options)
    : engine_(engine), options_(options) {
    const std::size_t window = std::max<std::size_t>(limits.window, 1);
    budget_ = limits.budget;
    batch_ = std::clamp<std::size_t>(limits.batch, 1, window);
    slots_.resize(window);
    const unsigned workers = jobs ? jobs : 1;
    workers_.reserve(workers);
    // The system may refuse threads (a process or memory limit): the run
    // then reads with as many as it got.
    for (unsigned i = 0; i < workers; ++i) {
        try {
            workers_.emplace_back([this] { work(); });
        } catch (const std::system_error&) {
            if (workers_.empty()) throw;
            break;
        }
    }
}

ReadAhead::~ReadAhead() {
    {
        const std::lock_guard lock(mutex_);
        shuttingDown_ = true;
    }
    roomMade_.notify_all();
    for (std::thread& worker : workers_) worker.join();
}

void ReadAhead::start(std::vector<std::string> paths) {
    {
        const std::lock_guard lock(mutex_);
        ++generation_;
        paths_ = std::move(paths);
        nextToRead_ = nextToTake_ = 0;
        waitingBytes_ = 0;
        for (auto& s : slots_) s.reset();
    }
    // One worker is woken; it wakes the next while there is more to read.
    roomMade_.notify_one();
    documentReady_.notify_all();
}

void ReadAhead::stop() { start({}); }

bool ReadAhead::workersMayStart() const {
    return nextToRead_ < paths_.size() && nextToRead_ < nextToTake_ + slots_.size() && waitingBytes_ < budget_;
}

bool ReadAhead::worthWaking() {
    if (!runWaiting_ || !nextIsReady()) return false;
    std::size_t ready = 0;  // in a row from the next one
    while (ready < batch_ && nextToTake_ + ready < nextToRead_ && slot(nextToTake_ + ready).has_value()) ++ready;
    if (ready >= batch_) return true;
    // No more can come soon: the list is read to its end, or the workers
    // wait for the run to make room.
    const bool listDone = nextToRead_ >= paths_.size() && reading_ == 0;
    return listDone || !workersMayStart();
}

void ReadAhead::offer(std::shared_ptr<wordproc::PooledRead> read) {
    bool wake = false;
    {
        const std::lock_guard lock(mutex_);
        memberReads_.push_back(std::move(read));
        wake = workersWaiting_ > 0;
    }
    if (wake) roomMade_.notify_one();
}

void ReadAhead::work() {
    // The documents this worker reads may offer their members to the others.
    const wordproc::MemberReadPool::Scope pool(this);
    std::unique_lock lock(mutex_);
    while (true) {
        while (!shuttingDown_ && !workWaits()) {
            ++workersWaiting_;
            roomMade_.wait(lock);
            --workersWaiting_;
        }
        if (shuttingDown_) return;
        if (!memberReads_.empty()) {
            const std::shared_ptr<wordproc::PooledRead> read = std::move(memberReads_.front());
            memberReads_.pop_front();
            if (workersWaiting_ > 0 && workWaits()) roomMade_.notify_one();
            lock.unlock();
            if (read->claim()) read->run();
            lock.lock();
            continue;
        }
        const std::size_t index = nextToRead_++;
        // Wake one more worker only when there is work for it too.
        if (workersWaiting_ > 0 && workWaits()) roomMade_.notify_one();
        const unsigned generation = generation_;
        const std::string path = paths_[index];
        ++reading_;
        lock.unlock();
        DocumentReadout readout = readDocument(engine_, path, options_);
        lock.lock();
        --reading_;
        // A document of an old list, or one the run has passed over (its
        // slot may already hold a later document), is dropped.
        if (generation == generation_ && index >= nextToTake_) {
            waitingBytes_ += readout.textBytes();
            slot(index) = std::move(readout);
        }
        if (worthWaking()) documentReady_.notify_one();
    }
}

DocumentReadout ReadAhead::take(const std::string& path, const std::function<void()>& whileWaiting) {
    std::unique_lock lock(mutex_);
    const std::size_t index = nextToTake_;
    const unsigned generation = generation_;
    if (index >= paths_.size() || paths_[index] != path) {
        // The list no longer matches what is being read ahead: keep the
        // positions aligned and read this one directly.
        if (index < paths_.size()) {
            if (index < nextToRead_) {
                if (slot(index)) waitingBytes_ -= slot(index)->textBytes();
                slot(index).reset();
            } else {
                nextToRead_ = index + 1;  // not started: no worker will read it now
            }
            ++nextToTake_;
            if (workersWaiting_ > 0 && workersMayStart()) roomMade_.notify_one();
        }
        lock.unlock();
        return readDocument(engine_, path, options_);
    }
    // Workers wake a waiting run only for a batch of ready documents, so the
    // run also looks by itself every pump interval, with or without a pump:
    // a ready document behind one that takes long to read is never held up
    // for longer than that.
    while (!nextIsReady()) {
        runWaiting_ = true;
        documentReady_.wait_for(lock, platform::ThrottledPump::kDefaultInterval);
        runWaiting_ = false;
        if (nextIsReady()) break;
        if (whileWaiting) {
            lock.unlock();
            whileWaiting();
            lock.lock();
        }
        if (generation != generation_) {  // restarted or stopped meanwhile
            lock.unlock();
            return readDocument(engine_, path, options_);
        }
    }
    runWaiting_ = false;
    DocumentReadout readout = std::move(*slot(index));
    slot(index).reset();
    waitingBytes_ -= readout.textBytes();
    ++nextToTake_;
    const bool wakeWorkers = workersWaiting_ > 0 && workersMayStart();
    lock.unlock();
    if (wakeWorkers) roomMade_.notify_one();
    return readout;
}

}  // namespace harvelux::extract
