#include "wordproc/module/PdfHtmlModule.h"

#include "wordproc/module/ModuleLoader.h"
#include "wordproc/module/OcrModule.h"
#include "wordproc/module/ProgramModule.h"

namespace harvelux::wordproc {

namespace {

bool isComplete(const PdfHtmlModuleTable& table) {
    return table.abiVersion == kPdfHtmlModuleAbi && table.readHtml && table.readPdf;
}

using Readers = ProgramModule<PdfHtmlModuleTable, kPdfHtmlModuleFile, kPdfHtmlModuleEntry, isComplete>;

using ModuleRead = int (*)(const char* data, std::size_t size, unsigned options, const ReaderLimits* limits,
                           std::string* text);

std::string readThrough(ModuleRead read, std::string_view data, const ReadOptions& options) {
    std::string text;
    const ReaderLimits limits = readerLimitsOfThisThread();
    const int outcome = read(data.data(), data.size(), moduleOptions(options), &limits, &text);
    return finishModuleRead(outcome, std::move(text));
}

}  // namespace

std::string readHtmlThroughModule(std::string_view data, const ReadOptions& options) {
    return readThrough(Readers::table("HTML").readHtml, data, options);
}

std::string readPdfThroughModule(std::string_view data, const ReadOptions& options) {
    const auto read = Readers::table("PDF").readPdf;
    std::string text;
    const ReaderLimits limits = readerLimitsOfThisThread();
    const PageOcrHook hook = pageOcrHookFor(options);
    const int outcome =
        read(data.data(), data.size(), moduleOptions(options), &limits, options.ocr ? &hook : nullptr, &text);
    return finishModuleRead(outcome, std::move(text));
}

void useLinkedPdfHtmlReaders(const PdfHtmlModuleTable* table) { Readers::useLinked(table); }

}  // namespace harvelux::wordproc
