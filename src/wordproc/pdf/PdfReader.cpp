#include "wordproc/pdf/PdfReader.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/text/ReaderCaps.h"
#include "wordproc/text/TextBuilder.h"

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page.h>

#include <climits>
#include <memory>
#include <mutex>

namespace harvelux::wordproc {

namespace {

// poppler reports damage in the files it reads on standard error; a damaged
// document is our error to report, not a message on the console.
void silencePoppler() {
    static std::once_flag once;
    std::call_once(once, [] { poppler::set_debug_error_function([](const std::string&, void*) {}, nullptr); });
}

// One page's text: poppler ends lines with LF (CR LF is possible) and the
// page with blank lines and a form feed. Each line becomes a paragraph; the
// blank lines at the page's end are dropped.
void appendPageText(TextBuilder& out, const poppler::byte_array& utf8) {
    std::string_view text(utf8.data(), utf8.size());
    const std::size_t last = text.find_last_not_of("\r\n\f");
    if (last == std::string_view::npos) return;
    text = text.substr(0, last + 1);
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        std::string_view line = text.substr(0, end);
        while (!line.empty() && line.front() == '\f') line.remove_prefix(1);
        out.append(line);
        out.append(chars::kParagraph);
        if (end == std::string_view::npos) break;
        const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crLf ? 2 : 1));
    }
}

}  // namespace

std::string readPdfText(std::string_view data, const ReadOptions&) {
    silencePoppler();
    if (data.size() > static_cast<std::size_t>(INT_MAX))
        throw EngineError("the PDF is too large", UnreadableReason::TooLarge);
    const std::unique_ptr<poppler::document> document(
        poppler::document::load_from_raw_data(data.data(), static_cast<int>(data.size())));
    if (!document) throw EngineError("the PDF cannot be read");
    if (document->is_locked()) throw EngineError("the PDF needs a password", UnreadableReason::Encrypted);

    TextBuilder out;
    const int pages = document->pages();
    for (int index = 0; index < pages; ++index) {
        // A page can cost poppler far more than its text suggests.
        WorkBudget::chargeLarge();
        if (index > 0) out.append(chars::kPageBreak);
        const std::unique_ptr<poppler::page> page(document->create_page(index));
        if (!page) continue;
        const poppler::ustring text = page->text(poppler::rectf(), poppler::page::non_raw_non_physical_layout);
        appendPageText(out, text.to_utf8());
    }
    return out.take();
}

}  // namespace harvelux::wordproc
