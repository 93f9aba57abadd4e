#include "wordproc/module/LinkedPdfHtmlReaders.h"

#include "wordproc/html/HtmlReader.h"
#include "wordproc/module/GuardedModuleRead.h"
#include "wordproc/pdf/PdfReader.h"

namespace harvelux::wordproc {

namespace {

template <std::string (*Read)(std::string_view, const ReadOptions&)>
int guarded(const char* data, std::size_t size, unsigned options, const ReaderLimits* limits,
            std::string* text) noexcept {
    return guardedModuleRead(limits, text,
                             [&] { *text = Read(std::string_view(data, size), readOptionsFrom(options)); });
}

int guardedPdf(const char* data, std::size_t size, unsigned options, const ReaderLimits* limits, const PageOcrHook* ocr,
               std::string* text) noexcept {
    return guardedModuleRead(limits, text,
                             [&] { *text = readPdfText(std::string_view(data, size), readOptionsFrom(options), ocr); });
}

}  // namespace

const PdfHtmlModuleTable& linkedPdfHtmlReaders() {
    static const PdfHtmlModuleTable table{kPdfHtmlModuleAbi, &guarded<readHtmlText>, &guardedPdf};
    return table;
}

}  // namespace harvelux::wordproc
