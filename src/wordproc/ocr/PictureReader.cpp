#include "wordproc/ocr/PictureReader.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/ocr/OcrPageReader.h"
#include "wordproc/ocr/PictureSignature.h"
#include "wordproc/text/TextBuilder.h"

#include <leptonica/allheaders.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <mutex>

namespace harvelux::wordproc {

namespace {

// Leptonica reports damage on standard error; the document's reason says it.
void silenceLeptonica() {
    static std::once_flag once;
    std::call_once(once, [] { setMsgSeverity(L_SEVERITY_NONE); });
}

const l_uint8* bytesOf(std::string_view data) { return reinterpret_cast<const l_uint8*>(data.data()); }

struct PixDeleter {
    void operator()(Pix* pix) const { pixDestroy(&pix); }
};
using PixPointer = std::unique_ptr<Pix, PixDeleter>;

void refuseLarge(l_int32 width, l_int32 height) {
    if (width <= 0 || height <= 0) throw EngineError("the picture cannot be decoded");
    if (static_cast<std::int64_t>(width) * height > kMaxPicturePixels)
        throw EngineError("the picture has more than 100 megapixels", UnreadableReason::TooLarge);
}

// The number of pages of a TIFF, counted from its directories.
int tiffPages(std::string_view data) {
    // fmemopen takes a writable pointer but only reads in mode "r".
    FILE* file = fmemopen(const_cast<char*>(data.data()), data.size(), "r");
    if (!file) throw EngineError("the TIFF cannot be opened");
    l_int32 pages = 0;
    const l_ok failed = tiffGetCount(file, &pages);
    std::fclose(file);
    if (failed != 0 || pages <= 0) throw EngineError("the TIFF cannot be decoded");
    if (pages > kMaxPicturePages) throw EngineError("the TIFF has more than 1000 pages", UnreadableReason::TooLarge);
    return pages;
}

// Decodes each page in turn (checked for size first) and hands it on.
int forEachPage(std::string_view data, const std::function<void(Pix*)>& use) {
    silenceLeptonica();
    if (data.empty()) throw EngineError("the picture is empty");
    if (pictureKind(data) == PictureKind::Tiff) {
        const int pages = tiffPages(data);
        for (int page = 0; page < pages; ++page) {
            WorkBudget::chargeLarge();
            l_int32 width = 0, height = 0, bps = 0, spp = 0, res = 0, cmap = 0, format = 0;
            if (readHeaderMemTiff(bytesOf(data), data.size(), page, &width, &height, &bps, &spp, &res, &cmap,
                                  &format) != 0)
                throw EngineError("a page of the TIFF cannot be decoded");
            refuseLarge(width, height);
            const PixPointer pix(pixReadMemTiff(bytesOf(data), data.size(), page));
            if (!pix) throw EngineError("a page of the TIFF cannot be decoded");
            use(pix.get());
        }
        return pages;
    }
    l_int32 format = 0, width = 0, height = 0, bps = 0, spp = 0, cmap = 0;
    if (pixReadHeaderMem(bytesOf(data), data.size(), &format, &width, &height, &bps, &spp, &cmap) != 0)
        throw EngineError("the picture cannot be decoded");
    refuseLarge(width, height);
    const PixPointer pix(pixReadMem(bytesOf(data), data.size()));
    if (!pix) throw EngineError("the picture cannot be decoded");
    refuseLarge(pixGetWidth(pix.get()), pixGetHeight(pix.get()));
    use(pix.get());
    return 1;
}

}  // namespace

std::string readPictureText(std::string_view data, const std::string& languages) {
    TextBuilder out;
    bool first = true;
    forEachPage(data, [&](Pix* page) {
        if (!first) out.append(chars::kPageBreak);
        first = false;
        recognisePage(page, languages, out);
    });
    return out.take();
}

int decodePicturePages(std::string_view data) {
    return forEachPage(data, [](Pix*) {});
}

}  // namespace harvelux::wordproc
