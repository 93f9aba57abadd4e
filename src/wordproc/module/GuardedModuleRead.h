// The body of every reader a loaded module exports: the read runs under the
// engine's limits, and what it throws becomes an outcome and a message, so
// that no exception crosses the module's edge.
#pragma once

#include "wordproc/EngineInterface.h"
#include "wordproc/ReadNotes.h"
#include "wordproc/module/ModuleAbi.h"
#include "wordproc/text/ReaderLimits.h"

#include <exception>
#include <new>
#include <string>

namespace harvelux::wordproc {

// Sets the message of a failure; when even that finds no memory, the
// failure is reported as out of memory.
inline int failedModuleRead(std::string* message, const char* what, int outcome) noexcept {
    try {
        *message = what;
    } catch (...) {
        return kReaderOutOfMemory;
    }
    return outcome;
}

// Runs `read()`, which stores its own results; a failure's message goes to
// `*message`.
template <typename Read>
int guardedModuleRead(const ReaderLimits* limits, std::string* message, Read read) noexcept {
    try {
        const ReaderLimitsScope scope(limits);
        ReadNotes::reset();
        read();
        return ReadNotes::scannedPagesUnread() ? kReaderReadScannedPagesUnread : kReaderRead;
    } catch (const EngineError& error) {
        return failedModuleRead(message, error.what(), kReaderEngineError + static_cast<int>(error.reason()));
    } catch (const std::bad_alloc&) {
        return kReaderOutOfMemory;
    } catch (const std::exception& error) {
        return failedModuleRead(message, error.what(), kReaderFailed);
    } catch (...) {
        return failedModuleRead(message, "unknown exception", kReaderFailed);
    }
}

}  // namespace harvelux::wordproc
