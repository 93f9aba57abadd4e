// What crosses the edge of a reader module, for both modules: the outcome
// of a read and the read options as bits.
#pragma once

#include "wordproc/ReadOptions.h"

namespace harvelux::wordproc {

// What a reader of a module reports. Nothing is thrown across a
// module's edge: on failure `text` receives the message.
// An engine failure is reported as kReaderEngineError plus its reason.
// kReaderReadScannedPagesUnread: read, but pages that are pictures were
// left unread (ReadNotes).
enum ReaderOutcome : int {
    kReaderRead = 0,
    kReaderReadScannedPagesUnread = 1,
    kReaderOutOfMemory = 2,
    kReaderFailed = 3,
    kReaderEngineError = 16
};

// Bits of a reader's `options`, the ReadOptions that cross the module's edge.
// The languages of optical character recognition cross apart, as text.
inline constexpr unsigned kReadAllStories = 1;
inline constexpr unsigned kReadOcr = 2;

// The options as the module takes them, and back.
inline unsigned moduleOptions(const ReadOptions& options) {
    return (options.allStories ? kReadAllStories : 0u) | (options.ocr ? kReadOcr : 0u);
}
inline ReadOptions readOptionsFrom(unsigned bits) {
    ReadOptions options;
    options.allStories = (bits & kReadAllStories) != 0;
    options.ocr = (bits & kReadOcr) != 0;
    return options;
}

}  // namespace harvelux::wordproc
