#include "wordproc/LinkedLegacyReader.h"

#include "wordproc/Engine.h"
#include "wordproc/LegacyReader.h"
#include "wordproc/ReaderLimits.h"
#include "wordproc/ReaderModule.h"

#include <exception>
#include <new>

namespace harvelux::wordproc {

namespace {

int fail(std::string* text, const char* message, int outcome) noexcept {
    try {
        *text = message;
    } catch (...) {
        return kReaderOutOfMemory;
    }
    return outcome;
}

// Nothing thrown leaves the module: what the reader throws becomes an
// outcome and a message.
int read(int family, const char* data, std::size_t size, const ReaderLimits* limits, std::string* main,
         std::string* others) noexcept {
    try {
        const ReaderLimitsScope scope(limits);
        LegacyStories stories = readLegacyStories(static_cast<LegacyFamily>(family), std::string_view(data, size));
        *main = std::move(stories.main);
        *others = std::move(stories.others);
        return kReaderRead;
    } catch (const EngineError& error) {
        return fail(main, error.what(), kReaderEngineError + static_cast<int>(error.reason()));
    } catch (const std::bad_alloc&) {
        return kReaderOutOfMemory;
    } catch (const std::exception& error) {
        return fail(main, error.what(), kReaderFailed);
    } catch (...) {
        return fail(main, "unknown exception", kReaderFailed);
    }
}

}  // namespace

const LegacyModuleTable& linkedLegacyReader() {
    static const LegacyModuleTable table{kLegacyModuleAbi, &read};
    return table;
}

}  // namespace harvelux::wordproc
