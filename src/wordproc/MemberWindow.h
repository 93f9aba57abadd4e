// The inner documents of one outer document, in the order of its
// containers, while some are still being read on other threads.
//
// The thread that lists the containers appends every inner document in
// order: a finished one (a member that could not be taken out), a held one
// (a container it reads itself, whose members follow it), or a read (a
// member that holds no documents), offered to the pool and run by whichever
// thread gets to it first. Documents are handed to `out` in that order as
// soon as everything before them is done, so the order is the same whatever
// thread read what and however many there are.
//
// At most a few reads per pool thread are in flight, and their bytes are
// bounded: when the window is full, the lister reads the earliest member no
// thread has taken, and waits for a read to end when every one is taken.
// The bytes of a container's members are therefore never all held at once.
#pragma once

#include "wordproc/EngineInterface.h"
#include "wordproc/MemberReadPool.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace harvelux::wordproc {

// What reading one member gives: the member (unless it was passed over)
// and the documents it holds, depth first.
struct MemberOutcome {
    std::vector<InnerDocument> documents;
    bool scannedPagesUnread = false;  // see ReadNotes
};

class MemberWindow {
public:
    // Members are read in flight only when `pool` is not null.
    MemberWindow(std::vector<InnerDocument>& out, MemberReadPool* pool);
    // Takes back the reads no thread has started and waits for the others.
    ~MemberWindow();
    MemberWindow(const MemberWindow&) = delete;
    MemberWindow& operator=(const MemberWindow&) = delete;

    void append(InnerDocument document);

    // Holds the next place for `document`, which the caller completes
    // through `held` while the documents it holds are appended after it.
    std::size_t hold(InnerDocument document);
    InnerDocument& held(std::size_t position);
    // Whether nothing was appended after the document held at `position`.
    bool isLast(std::size_t position) const;
    // The held document is complete; without `keep` it is dropped, which
    // only the last may be.
    void release(std::size_t position, bool keep);

    // Appends what `read` gives, read by a pool thread or by this one (a
    // member of a few kilobytes is read here at once); `bytes` is the
    // member's size, counted while it is in flight.
    void read(std::function<MemberOutcome()> read, std::size_t bytes);

    // Waits for every read and hands every document over; rethrows what a
    // read threw beyond the engine's errors.
    void finish();

private:
    class WindowRead;
    struct Shared;
    struct Entry {
        std::optional<InnerDocument> document;
        bool held = false;
        std::shared_ptr<WindowRead> read;
    };

    void flush();
    // Runs the earliest read no thread has taken, else waits until a read
    // ends.
    void helpOrWait();
    bool runEarliestOffered();
    bool full() const;

    std::vector<InnerDocument>& out_;
    MemberReadPool* pool_;
    std::size_t capacity_;
    std::shared_ptr<Shared> shared_;
    std::deque<Entry> entries_;
    std::size_t first_ = 0;                            // the position of entries_.front()
    std::deque<std::shared_ptr<WindowRead>> offered_;  // in order; some may be taken or done
};

}  // namespace harvelux::wordproc
