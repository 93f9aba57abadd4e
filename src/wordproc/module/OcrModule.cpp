#include "wordproc/module/OcrModule.h"

#include "wordproc/module/GuardedModuleRead.h"
#include "wordproc/module/ModuleLoader.h"
#include "wordproc/module/ProgramModule.h"

#include <cstdlib>
#include <new>

namespace harvelux::wordproc {

namespace {

bool isComplete(const OcrModuleTable& table) {
    return table.abiVersion == kOcrModuleAbi && table.readPicture && table.readGreyPage;
}

using Reader = ProgramModule<OcrModuleTable, kOcrModuleFile, kOcrModuleEntry, isComplete>;

// Tesseract would start threads of its own for every page; the read-ahead
// already reads one document per worker, so its threads are kept to one
// each. OpenMP reads this when its library is loaded, with the module.
const OcrModuleTable& table() {
    static const bool oneThread = [] { return setenv("OMP_THREAD_LIMIT", "1", 0) == 0; }();
    (void)oneThread;
    return Reader::table("optical character recognition");
}

int recogniseGreyPage(const void* context, const GreyPage* page, std::string* text) noexcept {
    try {
        const auto& options = *static_cast<const ReadOptions*>(context);
        const ReaderLimits limits = readerLimitsOfThisThread();
        std::string pageText;
        const int outcome = table().readGreyPage(page, options.ocrLanguages.c_str(), &limits, &pageText);
        *text = std::move(pageText);
        return outcome;
    } catch (const EngineError& error) {
        return failedModuleRead(text, error.what(), kReaderEngineError + static_cast<int>(error.reason()));
    } catch (const std::bad_alloc&) {
        return kReaderOutOfMemory;
    } catch (...) {
        return failedModuleRead(text, "optical character recognition failed", kReaderFailed);
    }
}

}  // namespace

std::string readPictureThroughModule(std::string_view data, const ReadOptions& options) {
    if (!options.ocr)
        throw EngineError("scanned pages not read (turn on Read Scanned Pages and Pictures)",
                          UnreadableReason::ScannedNotRead);
    const OcrModuleTable& reader = table();
    std::string text;
    const ReaderLimits limits = readerLimitsOfThisThread();
    const int outcome = reader.readPicture(data.data(), data.size(), options.ocrLanguages.c_str(), &limits, &text);
    return finishModuleRead(outcome, std::move(text));
}

PageOcrHook pageOcrHookFor(const ReadOptions& options) { return {&recogniseGreyPage, &options}; }

void useLinkedOcrReader(const OcrModuleTable* table) { Reader::useLinked(table); }

}  // namespace harvelux::wordproc
