// Reads the documents of a run ahead on worker threads while the run takes
// their texts strictly in list order. At most `jobs` documents are being
// read or wait to be taken at any time, however long the list, so memory
// grows with the largest documents, not with their number.
#pragma once

#include "extract/DocumentReadout.h"

#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace harvelux::extract {

class ReadAhead {
public:
    ReadAhead(wordproc::ApplicationFactory& engine, unsigned jobs);
    ~ReadAhead();
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    // Starts reading `paths` in order (any earlier list is dropped).
    void start(std::vector<std::string> paths);
    // Stops reading ahead and drops what was read but not taken.
    void stop();

    // The readout of the next document of the list. When `path` is not the
    // next path of the list given to start (the list changed meanwhile), the
    // document is read here and now instead. `whileWaiting` runs every few
    // milliseconds while the document is still being read; it may be empty.
    DocumentReadout take(const std::string& path, const std::function<void()>& whileWaiting);

private:
    void work();

    wordproc::ApplicationFactory& engine_;
    const unsigned jobs_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> paths_;
    std::size_t nextToRead_ = 0;
    std::size_t nextToTake_ = 0;
    std::map<std::size_t, DocumentReadout> ready_;
    unsigned generation_ = 0;  // bumped by start/stop, so late results of an old list are dropped
    bool shuttingDown_ = false;
    std::vector<std::thread> workers_;
};

}  // namespace harvelux::extract
