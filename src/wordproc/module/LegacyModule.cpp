#include "wordproc/module/LegacyModule.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/module/ModuleLoader.h"
#include "wordproc/module/ModuleAbi.h"

#include <atomic>

namespace harvelux::wordproc {

namespace {

std::atomic<const LegacyModuleTable*> linkedTable{nullptr};

struct LoadedModule {
    const LegacyModuleTable* table = nullptr;
    std::string error;
};

LoadedModule openModule() {
    LoadedModule loaded;
    using Entry = const LegacyModuleTable* (*)();
    const auto entry = reinterpret_cast<Entry>(openProgramModule(kLegacyModuleFile, kLegacyModuleEntry, loaded.error));
    if (!entry) return loaded;
    const LegacyModuleTable* table = entry();
    if (!table || table->abiVersion != kLegacyModuleAbi || !table->read) {
        loaded.error = std::string(kLegacyModuleFile) + " is not this program's reader module";
        return loaded;
    }
    loaded.table = table;
    return loaded;
}

const LegacyModuleTable& reader() {
    if (const LegacyModuleTable* linked = linkedTable.load(std::memory_order_acquire)) return *linked;
    static const LoadedModule loaded = openModule();  // thread-safe, once
    if (!loaded.table)
        throw EngineError("the reader of older word-processor formats cannot be loaded: " + loaded.error);
    return *loaded.table;
}

}  // namespace

LegacyStories readLegacyThroughModule(LegacyFamily family, std::string_view data) {
    LegacyStories stories;
    const ReaderLimits limits = readerLimitsOfThisThread();
    const int outcome =
        reader().read(static_cast<int>(family), data.data(), data.size(), &limits, &stories.main, &stories.others);
    stories.main = finishModuleRead(outcome, std::move(stories.main));
    return stories;
}

void useLinkedLegacyReader(const LegacyModuleTable* table) { linkedTable.store(table, std::memory_order_release); }

}  // namespace harvelux::wordproc
