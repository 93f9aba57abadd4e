#include "wordproc/pdf/PdfReader.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/ReadNotes.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/text/ReaderCaps.h"
#include "wordproc/text/TextBuilder.h"

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-image.h>
#include <poppler-page-renderer.h>
#include <poppler-page.h>

#include <climits>
#include <cmath>
#include <cstddef>
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

// Whether the page's text has anything but white space in it.
std::size_t visibleCharacters(const poppler::byte_array& utf8) {
    std::size_t count = 0;
    for (const char c : utf8)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\f') ++count;
    return count;
}

// The page rendered in grey at `dpi` (lowered so that a very large page
// stays within kMaxRenderPixels).
constexpr double kMaxRenderPixels = 40e6;
poppler::image renderGrey(const poppler::page& page, double dpi) {
    const poppler::rectf box = page.page_rect();
    const double squareInches = (box.width() / 72.0) * (box.height() / 72.0);
    if (squareInches > 0 && squareInches * dpi * dpi > kMaxRenderPixels)
        dpi = std::sqrt(kMaxRenderPixels / squareInches);
    poppler::page_renderer renderer;
    renderer.set_image_format(poppler::image::format_gray8);
    renderer.set_render_hint(poppler::page_renderer::antialiasing, true);
    renderer.set_render_hint(poppler::page_renderer::text_antialiasing, true);
    return renderer.render_page(&page, dpi, dpi);
}

// The share of a page's area that is ink, judged from a coarse rendering:
// a scanned page or a picture has some, a blank page none.
double inkShare(const poppler::page& page) {
    constexpr double kCoarseDpi = 24;
    const poppler::image image = renderGrey(page, kCoarseDpi);
    if (!image.is_valid() || image.width() <= 0 || image.height() <= 0) return 0;
    const auto* pixels = reinterpret_cast<const unsigned char*>(image.const_data());
    std::size_t dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        const unsigned char* row = pixels + static_cast<std::ptrdiff_t>(y) * image.bytes_per_row();
        for (int x = 0; x < image.width(); ++x)
            if (row[x] < 200) ++dark;
    }
    return static_cast<double>(dark) / (static_cast<double>(image.width()) * image.height());
}

// A page whose text layer is empty but that shows something, or whose few
// characters (a stamp, a page number) sit on a page a picture fills, is a
// scanned page: its text is in its pixels.
bool isScannedPage(const poppler::page& page, std::size_t visible) {
    constexpr std::size_t kScantText = 20;
    if (visible >= kScantText) return false;
    const double ink = inkShare(page);
    return visible == 0 ? ink > 0.005 : ink > 0.10;
}

// The page recognised at 300 dpi, its text appended.
void appendRecognisedPage(TextBuilder& out, const poppler::page& page, const PageOcrHook& ocr) {
    constexpr double kOcrDpi = 300;
    const poppler::image image = renderGrey(page, kOcrDpi);
    if (!image.is_valid()) throw EngineError("a scanned page cannot be rendered");
    const poppler::rectf box = page.page_rect();
    const int dpi = box.width() > 0 ? static_cast<int>(std::lround(image.width() * 72.0 / box.width())) : 300;
    const GreyPage grey{reinterpret_cast<const unsigned char*>(image.const_data()), image.width(), image.height(),
                        image.bytes_per_row(), dpi};
    out.append(recogniseThroughHook(ocr, grey));
}

}  // namespace

std::string readPdfText(std::string_view data, const ReadOptions&, const PageOcrHook* ocr) {
    silencePoppler();
    if (data.size() > static_cast<std::size_t>(INT_MAX))
        throw EngineError("the PDF is too large", UnreadableReason::TooLarge);
    const std::unique_ptr<poppler::document> document(
        poppler::document::load_from_raw_data(data.data(), static_cast<int>(data.size())));
    if (!document) throw EngineError("the PDF cannot be read");
    if (document->is_locked()) throw EngineError("the PDF needs a password", UnreadableReason::Encrypted);

    TextBuilder out;
    int unreadPages = 0;
    std::size_t visibleText = 0;
    const int pages = document->pages();
    for (int index = 0; index < pages; ++index) {
        // A page can cost poppler far more than its text suggests.
        WorkBudget::chargeLarge();
        if (index > 0) out.append(chars::kPageBreak);
        const std::unique_ptr<poppler::page> page(document->create_page(index));
        if (!page) continue;
        const poppler::ustring text = page->text(poppler::rectf(), poppler::page::non_raw_non_physical_layout);
        const poppler::byte_array utf8 = text.to_utf8();
        const std::size_t visible = visibleCharacters(utf8);
        visibleText += visible;
        appendPageText(out, utf8);
        if (!isScannedPage(*page, visible)) continue;
        if (!ocr) {
            ++unreadPages;
            continue;
        }
        if (visible > 0) out.append(chars::kParagraph);
        appendRecognisedPage(out, *page, *ocr);
    }
    std::string whole = out.take();
    if (unreadPages > 0) {
        // Nothing read at all: the document is a scan, unread as a picture
        // file is; else the text read is kept and the scanned pages noted.
        if (visibleText == 0)
            throw EngineError(describeReason(UnreadableReason::ScannedNotRead), UnreadableReason::ScannedNotRead);
        ReadNotes::noteScannedPagesUnread();
    }
    return whole;
}

}  // namespace harvelux::wordproc
