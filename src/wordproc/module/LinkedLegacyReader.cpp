#include "wordproc/module/LinkedLegacyReader.h"

#include "wordproc/legacy/LegacyReader.h"
#include "wordproc/module/GuardedModuleRead.h"

namespace harvelux::wordproc {

namespace {

int read(int family, const char* data, std::size_t size, const ReaderLimits* limits, std::string* main,
         std::string* others) noexcept {
    return guardedModuleRead(limits, main, [&] {
        LegacyStories stories = readLegacyStories(static_cast<LegacyFamily>(family), std::string_view(data, size));
        *main = std::move(stories.main);
        *others = std::move(stories.others);
    });
}

}  // namespace

const LegacyModuleTable& linkedLegacyReader() {
    static const LegacyModuleTable table{kLegacyModuleAbi, &read};
    return table;
}

}  // namespace harvelux::wordproc
