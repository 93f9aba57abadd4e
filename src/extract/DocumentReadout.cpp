#include "extract/DocumentReadout.h"

#include "common/ErrorReport.h"

#include <exception>
#include <memory>

namespace harvelux::extract {

namespace {
constexpr int kOcrBudgetFactor = 10;
}  // namespace

DocumentReadout readDocument(wordproc::ApplicationFactory& engine, const std::string& path,
                             const wordproc::ReadOptions& options, const wordproc::WorkBudget::Settings& budget) {
    DocumentReadout readout;
    std::unique_ptr<wordproc::Application> word;
    try {
        word = engine.create();
    } catch (...) {
        readout.status = DocumentReadout::Status::EngineUnavailable;
        readout.error = describeException(std::current_exception());
        return readout;
    }
    try {
        // Recognising a scanned page takes about a second of a core where
        // text takes milliseconds: with OCR on, a document may take ten
        // times the budget (each page is held to its own budget as well).
        wordproc::WorkBudget::Settings settings = budget;
        if (options.ocr) settings.limit *= kOcrBudgetFactor;
        const wordproc::WorkBudget reading(settings);
        const std::unique_ptr<wordproc::Document> document = word->open(path, options);
        const wordproc::Range range = document->content();
        std::string text = range.text();
        readout.inner = document->takeInnerDocuments();
        readout.partNotRead = document->partNotRead();
        wordproc::StorySpans stories = range.stories();
        document->close();
        word->quit();
        readout.status = DocumentReadout::Status::Read;
        readout.text = std::move(text);
        readout.stories = std::move(stories);
    } catch (...) {
        readout.status = DocumentReadout::Status::Unreadable;
        readout.inner.clear();
        readout.error = describeException(std::current_exception());
        try {
            throw;
        } catch (const wordproc::EngineError& error) {
            readout.reason = error.reason();
        } catch (...) {}
        try {
            word->quit();
        } catch (...) {
            readout.error += "; quitting failed too";
        }
    }
    return readout;
}

}  // namespace harvelux::extract
