#include "wordproc/module/LegacyModule.h"

#include "wordproc/module/ModuleLoader.h"
#include "wordproc/module/ProgramModule.h"

namespace harvelux::wordproc {

namespace {

bool isComplete(const LegacyModuleTable& table) { return table.abiVersion == kLegacyModuleAbi && table.read; }

using Reader = ProgramModule<LegacyModuleTable, kLegacyModuleFile, kLegacyModuleEntry, isComplete>;

// The family as users know it, for "the reader for WordPerfect files".
const char* legacyFamilyName(LegacyFamily family) {
    switch (family) {
        case LegacyFamily::WordPerfect:
            return "WordPerfect";
        case LegacyFamily::Works:
            return "Works";
        case LegacyFamily::Mac:
            return "older Mac word-processor";
        case LegacyFamily::None:
            break;
    }
    return "older word-processor";
}

}  // namespace

LegacyStories readLegacyThroughModule(LegacyFamily family, std::string_view data) {
    LegacyStories stories;
    const ReaderLimits limits = readerLimitsOfThisThread();
    const int outcome =
        Reader::table(legacyFamilyName(family))
            .read(static_cast<int>(family), data.data(), data.size(), &limits, &stories.main, &stories.others);
    stories.main = finishModuleRead(outcome, std::move(stories.main));
    return stories;
}

void useLinkedLegacyReader(const LegacyModuleTable* table) { Reader::useLinked(table); }

}  // namespace harvelux::wordproc
