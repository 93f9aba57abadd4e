// What a reader noticed of a document it did read: parts it left unread
// (so far, pages that are pictures, read only with optical character
// recognition on). Kept per thread for the length of one document; a
// loaded module has its own copy and reports it across its edge in the
// outcome of the read.
#pragma once

namespace harvelux::wordproc {

class ReadNotes {
public:
    // Forgets what was noted on this thread: a new document begins.
    static void reset() { scannedPagesUnread_ = false; }
    static void noteScannedPagesUnread() { scannedPagesUnread_ = true; }
    static bool scannedPagesUnread() { return scannedPagesUnread_; }

private:
    static thread_local bool scannedPagesUnread_;
};

}  // namespace harvelux::wordproc
