// Reads the documents of a run ahead on worker threads while the run takes
// their texts strictly in list order.
//
// What is read ahead is bounded twice: at most `window` documents past the
// one the run takes next are being read or wait to be taken, and the texts
// that wait hold at most `budget` bytes (a worker starts no new document
// while they hold more). Memory therefore grows with the largest documents,
// not with the length of the list. The window is far larger than the number
// of workers: documents differ in size by a factor of thousands, and while
// one worker reads a large document in the list, the others go on reading
// the small ones behind it instead of waiting for it.
//
// Handing a document over costs a thread switch when the run has to wait
// for it. The run is usually faster than the readers and would wait for
// every document, so a waiting run is woken only once `batch` documents in a
// row are ready (or no more can come soon); `take` also looks every 20 ms
// while it waits, so a run never waits longer than that for a document that
// is there.
//
// The workers are also the pool that reads a container's members: a worker
// that lists an archive offers its members to the others (see
// wordproc/MemberWindow.h), and an idle worker reads an offered member
// before it starts a new document of the list, since a document being read
// holds up every document behind it.
#pragma once

#include "extract/DocumentReadout.h"
#include "wordproc/MemberReadPool.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace harvelux::extract {

struct ReadAheadLimits {
    std::size_t window = 1024;      // documents
    std::size_t budget = 8u << 20;  // bytes of text waiting to be taken
    std::size_t batch = 32;         // ready documents that wake a waiting run
};

class ReadAhead final : private wordproc::MemberReadPool {
public:
    // Starts up to `jobs` worker threads, fewer when the system refuses
    // more; throws std::system_error only when it refuses every one.
    ReadAhead(wordproc::ApplicationFactory& engine, unsigned jobs, ReadAheadLimits limits = {},
              wordproc::ReadOptions options = {});
    ~ReadAhead() override;
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    const wordproc::ReadOptions& options() const { return options_; }

    // Starts reading `paths` in order (any earlier list is dropped).
    void start(std::vector<std::string> paths);
    // Stops reading ahead and drops what was read but not taken.
    void stop();

    // The readout of the next document of the list. When `path` is not the
    // next path of the list given to start (the list changed meanwhile), the
    // document is read here and now instead. `whileWaiting` runs every 20 ms
    // while the document is still being read; it may be empty.
    DocumentReadout take(const std::string& path, const std::function<void()>& whileWaiting);

private:
    void offer(std::shared_ptr<wordproc::PooledRead> read) override;
    unsigned threads() const override { return static_cast<unsigned>(workers_.size()); }
    void work();
    // With the lock held:
    std::optional<DocumentReadout>& slot(std::size_t index) { return slots_[index % slots_.size()]; }
    bool nextIsReady() { return nextToTake_ < nextToRead_ && slot(nextToTake_).has_value(); }
    bool workersMayStart() const;
    bool workWaits() const { return !memberReads_.empty() || workersMayStart(); }
    bool worthWaking();

    wordproc::ApplicationFactory& engine_;
    const wordproc::ReadOptions options_;
    std::size_t budget_;
    std::size_t batch_;
    std::mutex mutex_;
    std::condition_variable roomMade_;       // workers wait for room in the window
    std::condition_variable documentReady_;  // the run waits for its next document
    std::vector<std::string> paths_;
    std::size_t nextToRead_ = 0;
    std::size_t nextToTake_ = 0;
    std::size_t reading_ = 0;       // documents being read now
    std::size_t waitingBytes_ = 0;  // text of the documents read and not taken
    unsigned workersWaiting_ = 0;
    bool runWaiting_ = false;
    // Documents nextToTake_ to nextToRead_ - 1, by index modulo the window:
    // a readout once read, empty while being read.
    std::vector<std::optional<DocumentReadout>> slots_;
    // Members of the containers being read, offered by the workers reading
    // them (some may have been taken back).
    std::deque<std::shared_ptr<wordproc::PooledRead>> memberReads_;
    unsigned generation_ = 0;  // bumped by start/stop, so late results of an old list are dropped
    bool shuttingDown_ = false;
    std::vector<std::thread> workers_;
};

}  // namespace harvelux::extract
