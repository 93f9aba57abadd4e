#include "wordproc/LinkedReaders.h"

#include "wordproc/Engine.h"
#include "wordproc/HtmlReader.h"
#include "wordproc/PdfReader.h"
#include "wordproc/ReaderLimits.h"

#include <exception>
#include <new>

namespace harvelux::wordproc {

namespace {

// Sets the message of a failure; when even that finds no memory, the
// failure is reported as out of memory.
int fail(std::string* text, const char* message, int outcome) noexcept {
    try {
        *text = message;
    } catch (...) {
        return kReaderOutOfMemory;
    }
    return outcome;
}

// Runs a reader and turns what it throws into an outcome and a message, so
// that no exception leaves the module.
template <std::string (*Read)(std::string_view, const ReadOptions&)>
int guarded(const char* data, std::size_t size, unsigned options, const ReaderLimits* limits,
            std::string* text) noexcept {
    try {
        const ReaderLimitsScope scope(limits);
        *text = Read(std::string_view(data, size), readOptionsFrom(options));
        return kReaderRead;
    } catch (const EngineError& error) {
        return fail(text, error.what(), kReaderEngineError + static_cast<int>(error.reason()));
    } catch (const std::bad_alloc&) {
        return kReaderOutOfMemory;
    } catch (const std::exception& error) {
        return fail(text, error.what(), kReaderFailed);
    } catch (...) {
        return fail(text, "unknown exception", kReaderFailed);
    }
}

}  // namespace

const ReaderModuleTable& linkedReaders() {
    static const ReaderModuleTable table{kReaderModuleAbi, &guarded<readHtmlText>, &guarded<readPdfText>};
    return table;
}

}  // namespace harvelux::wordproc
