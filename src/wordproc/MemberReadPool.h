// Threads that may read a container's members besides the one that lists
// them. The reading threads of a run (extract's read-ahead) are such a pool:
// while one of them lists the files of a large archive, the others, idle
// once the run's list is handed out, read the members it offers.
//
// A member's read is offered, never given: the lister may claim it back and
// run it itself (when its window of members in flight is full, or when it
// has no pool thread to wait for), so a read offered to a pool whose threads
// are all busy or gone is never left waiting.
#pragma once

#include <atomic>
#include <memory>

namespace harvelux::wordproc {

class PooledRead {
public:
    virtual ~PooledRead() = default;
    // True for the one caller that is to run it; false for every later one.
    bool claim() { return !claimed_.exchange(true, std::memory_order_acq_rel); }
    // Runs the read; never throws.
    virtual void run() noexcept = 0;

private:
    std::atomic<bool> claimed_{false};
};

class MemberReadPool {
public:
    virtual ~MemberReadPool() = default;
    // Queues `read`; a pool thread that takes it runs it when it can claim it.
    virtual void offer(std::shared_ptr<PooledRead> read) = 0;
    // How many threads read for the pool.
    virtual unsigned threads() const = 0;

    // The pool the documents read on this thread may offer members to, or
    // null (members are then read one after the other on this thread).
    static MemberReadPool* current();

    // Sets the pool of this thread while it lives.
    class Scope {
    public:
        explicit Scope(MemberReadPool* pool);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        MemberReadPool* previous_;
    };
};

}  // namespace harvelux::wordproc
