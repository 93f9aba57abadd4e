#include "extract/ReadAhead.h"

#include <chrono>

namespace harvelux::extract {

ReadAhead::ReadAhead(wordproc::ApplicationFactory& engine, unsigned jobs) : engine_(engine), jobs_(jobs ? jobs : 1) {
    workers_.reserve(jobs_);
    for (unsigned i = 0; i < jobs_; ++i) workers_.emplace_back([this] { work(); });
}

ReadAhead::~ReadAhead() {
    {
        const std::lock_guard lock(mutex_);
        shuttingDown_ = true;
    }
    changed_.notify_all();
    for (std::thread& worker : workers_) worker.join();
}

void ReadAhead::start(std::vector<std::string> paths) {
    {
        const std::lock_guard lock(mutex_);
        ++generation_;
        paths_ = std::move(paths);
        nextToRead_ = nextToTake_ = 0;
        ready_.clear();
    }
    changed_.notify_all();
}

void ReadAhead::stop() { start({}); }

void ReadAhead::work() {
    std::unique_lock lock(mutex_);
    while (true) {
        changed_.wait(lock, [this] {
            return shuttingDown_ || (nextToRead_ < paths_.size() && nextToRead_ < nextToTake_ + jobs_);
        });
        if (shuttingDown_) return;
        const std::size_t index = nextToRead_++;
        const unsigned generation = generation_;
        const std::string path = paths_[index];
        lock.unlock();
        DocumentReadout readout = readDocument(engine_, path);
        lock.lock();
        if (generation == generation_) ready_[index] = std::move(readout);
        changed_.notify_all();
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
            ++nextToTake_;
            ready_.erase(index);
            changed_.notify_all();
        }
        lock.unlock();
        return readDocument(engine_, path);
    }
    while (ready_.find(index) == ready_.end()) {
        if (whileWaiting) {
            changed_.wait_for(lock, std::chrono::milliseconds(20));
            if (ready_.find(index) != ready_.end()) break;
            lock.unlock();
            whileWaiting();
            lock.lock();
            if (generation != generation_) {  // restarted or stopped meanwhile
                lock.unlock();
                return readDocument(engine_, path);
            }
        } else {
            changed_.wait(lock);
        }
    }
    DocumentReadout readout = std::move(ready_[index]);
    ready_.erase(index);
    ++nextToTake_;
    lock.unlock();
    changed_.notify_all();
    return readout;
}

}  // namespace harvelux::extract
