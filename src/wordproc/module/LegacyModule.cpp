#include "wordproc/module/LegacyModule.h"

#include "wordproc/module/ModuleLoader.h"
#include "wordproc/module/ProgramModule.h"

namespace harvelux::wordproc {

namespace {

bool isComplete(const LegacyModuleTable& table) { return table.abiVersion == kLegacyModuleAbi && table.read; }

using Reader = ProgramModule<LegacyModuleTable, kLegacyModuleFile, kLegacyModuleEntry, isComplete>;

}  // namespace

LegacyStories readLegacyThroughModule(LegacyFamily family, std::string_view data) {
    LegacyStories stories;
    const ReaderLimits limits = readerLimitsOfThisThread();
    const int outcome =
        Reader::table("reader of older word-processor formats")
            .read(static_cast<int>(family), data.data(), data.size(), &limits, &stories.main, &stories.others);
    stories.main = finishModuleRead(outcome, std::move(stories.main));
    return stories;
}

void useLinkedLegacyReader(const LegacyModuleTable* table) { Reader::useLinked(table); }

}  // namespace harvelux::wordproc
