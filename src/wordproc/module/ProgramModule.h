// A reader module as the engine reaches it: through the table of readers
// that a program linking them in has handed over, else through the table
// the module exports, the module opened once, on first use, and kept
// loaded. `Table` is what the entry point `entryName` of the module
// `fileName` returns; `accepts(table)` tells whether a table is of this
// program's ABI and has every reader.
#pragma once

#include "wordproc/EngineInterface.h"
#include "wordproc/module/ModuleLoader.h"

#include <atomic>
#include <string>

namespace harvelux::wordproc {

template <typename Table, const char* fileName, const char* entryName, bool (*accepts)(const Table&)>
class ProgramModule {
public:
    // Hands over the readers linked into the program; null goes back to
    // loading the module.
    static void useLinked(const Table* table) { linked_.store(table, std::memory_order_release); }

    // The table of readers. Throws EngineError (ReaderMissing: "the reader
    // for <format> files is not installed", or "... cannot be loaded: <why>")
    // when the module is not there or cannot be loaded.
    static const Table& table(const char* format) {
        if (const Table* linked = linked_.load(std::memory_order_acquire)) return *linked;
        static const Loaded loaded = open();  // thread-safe, once
        if (!loaded.table) {
            const std::string reader = std::string("the reader for ") + format + " files";
            throw EngineError(
                loaded.missing ? reader + " is not installed" : reader + " cannot be loaded: " + loaded.error,
                UnreadableReason::ReaderMissing);
        }
        return *loaded.table;
    }

private:
    struct Loaded {
        const Table* table = nullptr;
        std::string error;     // why it could not be loaded
        bool missing = false;  // the module is not installed at all
    };

    static Loaded open() {
        Loaded loaded;
        using EntryPoint = const Table* (*)();
        const auto entry = reinterpret_cast<EntryPoint>(openProgramModule(fileName, entryName, loaded.error));
        if (!entry) {
            loaded.missing = loaded.error.find("is not installed") != std::string::npos;
            return loaded;
        }
        const Table* table = entry();
        if (!table || !accepts(*table)) {
            loaded.error = std::string(fileName) + " is not this program's reader module";
            return loaded;
        }
        loaded.table = table;
        return loaded;
    }

    static inline std::atomic<const Table*> linked_{nullptr};
};

}  // namespace harvelux::wordproc
