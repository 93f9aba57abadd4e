// What crosses the edge of a reader module, for both modules: the outcome
// of a read and the read options as bits.
#pragma once

#include "wordproc/ReadOptions.h"

namespace harvelux::wordproc {

// What a reader of a module reports. Nothing is thrown across a
// module's edge: on failure `text` receives the message.
// An engine failure is reported as kReaderEngineError plus its reason.
enum ReaderOutcome : int { kReaderRead = 0, kReaderOutOfMemory = 2, kReaderFailed = 3, kReaderEngineError = 16 };

// Bits of a reader's `options`, the ReadOptions that cross the module's edge.
inline constexpr unsigned kReadAllStories = 1;

// The options as the module takes them, and back.
inline unsigned moduleOptions(const ReadOptions& options) { return options.allStories ? kReadAllStories : 0u; }
inline ReadOptions readOptionsFrom(unsigned bits) {
    ReadOptions options;
    options.allStories = (bits & kReadAllStories) != 0;
    return options;
}

}  // namespace harvelux::wordproc
