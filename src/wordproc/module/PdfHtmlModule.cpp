#include "wordproc/module/PdfHtmlModule.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/module/ModuleLoader.h"

#include <atomic>

namespace harvelux::wordproc {

namespace {

std::atomic<const PdfHtmlModuleTable*> linkedTable{nullptr};

struct LoadedModule {
    const PdfHtmlModuleTable* table = nullptr;
    std::string error;  // why it could not be loaded
};

// The module is opened once, on first use, and stays loaded.
LoadedModule openModule() {
    LoadedModule loaded;
    using Entry = const PdfHtmlModuleTable* (*)();
    const auto entry = reinterpret_cast<Entry>(openProgramModule(kPdfHtmlModuleFile, kPdfHtmlModuleEntry, loaded.error));
    if (!entry) return loaded;
    const PdfHtmlModuleTable* table = entry();
    if (!table || table->abiVersion != kPdfHtmlModuleAbi || !table->readHtml || !table->readPdf) {
        loaded.error = std::string(kPdfHtmlModuleFile) + " is not this program's reader module";
        return loaded;
    }
    loaded.table = table;
    return loaded;
}

const PdfHtmlModuleTable& readers(const char* format) {
    if (const PdfHtmlModuleTable* linked = linkedTable.load(std::memory_order_acquire)) return *linked;
    static const LoadedModule loaded = openModule();  // thread-safe, once
    if (!loaded.table) throw EngineError(std::string("the ") + format + " reader cannot be loaded: " + loaded.error);
    return *loaded.table;
}

}  // namespace

std::string readHtmlThroughModule(std::string_view data, const ReadOptions& options) {
    std::string text;
    const ReaderLimits limits = readerLimitsOfThisThread();
    const int outcome = readers("HTML").readHtml(data.data(), data.size(), moduleOptions(options), &limits, &text);
    return finishModuleRead(outcome, std::move(text));
}

std::string readPdfThroughModule(std::string_view data, const ReadOptions& options) {
    std::string text;
    const ReaderLimits limits = readerLimitsOfThisThread();
    const int outcome = readers("PDF").readPdf(data.data(), data.size(), moduleOptions(options), &limits, &text);
    return finishModuleRead(outcome, std::move(text));
}

void useLinkedPdfHtmlReaders(const PdfHtmlModuleTable* table) { linkedTable.store(table, std::memory_order_release); }

}  // namespace harvelux::wordproc
