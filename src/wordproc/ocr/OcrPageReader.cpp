#include "wordproc/ocr/OcrPageReader.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/ocr/OcrAddressRepair.h"

#include <leptonica/allheaders.h>
#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>
#include <tesseract/resultiterator.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace harvelux::wordproc {

namespace {

// This thread's recogniser, started for `languages` when it is not already.
tesseract::TessBaseAPI& recogniserFor(const std::string& languages) {
    struct Recogniser {
        std::unique_ptr<tesseract::TessBaseAPI> api;
        std::string languages;
    };
    thread_local Recogniser recogniser;
    if (recogniser.api && recogniser.languages == languages) return *recogniser.api;
    recogniser.api.reset();
    auto api = std::make_unique<tesseract::TessBaseAPI>();
    // Tesseract tells of missing language data on standard error; the
    // document's reason says it instead.
    api->SetVariable("debug_file", "/dev/null");
    if (api->Init(nullptr, languages.c_str(), tesseract::OEM_DEFAULT) != 0)
        throw EngineError("the language data \"" + languages + "\" for optical character recognition is not installed");
    api->SetPageSegMode(tesseract::PSM_AUTO);
    recogniser.api = std::move(api);
    recogniser.languages = languages;
    return *recogniser.api;
}

// The time a page may take: the document's budget that is left, and never
// more than a page's own.
int pageBudgetMs() {
    const WorkBudget* budget = WorkBudget::current();
    if (!budget) return kOcrPageBudgetMs;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(budget->deadline() - budget->now());
    return static_cast<int>(std::clamp<std::int64_t>(left.count(), 1, kOcrPageBudgetMs));
}

// The words of the recognised page, a line at a time, mended and appended.
void appendRecognised(tesseract::TessBaseAPI& api, TextBuilder& out) {
    const std::unique_ptr<tesseract::ResultIterator> words(api.GetIterator());
    if (!words) return;
    constexpr auto kWord = tesseract::RIL_WORD;
    std::vector<OcrWord> line;
    const auto endLine = [&] {
        if (line.empty()) return;
        const std::vector<std::string> mended = repairAddressWords(line);
        for (std::size_t i = 0; i < mended.size(); ++i) {
            if (i > 0) out.append(" ");
            out.append(mended[i]);
        }
        out.append(chars::kParagraph);
        line.clear();
    };
    do {
        WorkBudget::charge();
        if (words->IsAtBeginningOf(tesseract::RIL_TEXTLINE)) endLine();
        const std::unique_ptr<const char[]> text(words->GetUTF8Text(kWord));
        if (!text || text[0] == 0) continue;
        line.push_back({text.get(), words->Confidence(kWord)});
    } while (words->Next(kWord));
    endLine();
}

void recogniseSetImage(tesseract::TessBaseAPI& api, TextBuilder& out) {
    tesseract::ETEXT_DESC monitor;
    monitor.set_deadline_msecs(pageBudgetMs());
    const int failed = api.Recognize(&monitor);
    if (monitor.deadline_exceeded()) {
        api.Clear();
        WorkBudget::chargeLarge();
        throw EngineError("a page took too long to recognise");
    }
    if (failed == 0) appendRecognised(api, out);
    api.Clear();
    WorkBudget::chargeLarge();
}

}  // namespace

void recognisePage(const GreyPage& page, const std::string& languages, TextBuilder& out) {
    tesseract::TessBaseAPI& api = recogniserFor(languages);
    api.SetImage(page.pixels, page.width, page.height, 1, page.bytesPerLine);
    api.SetSourceResolution(page.dpi);
    recogniseSetImage(api, out);
}

void recognisePage(Pix* picture, const std::string& languages, TextBuilder& out) {
    tesseract::TessBaseAPI& api = recogniserFor(languages);
    api.SetImage(picture);
    // A picture that says nothing of its resolution is taken as a scan at
    // 300 dpi, as Tesseract's own tool takes it.
    const l_int32 dpi = pixGetXRes(picture);
    api.SetSourceResolution(dpi >= 70 && dpi <= 2400 ? dpi : 300);
    recogniseSetImage(api, out);
}

}  // namespace harvelux::wordproc
