// The picture path on arbitrary bytes, up to the pixels: recognition by the
// first bytes, the size checks of the headers and Leptonica's decoding of
// every page. Recognition itself (Tesseract) is left out: it is far too
// slow to fuzz, and it only ever sees pixels that were decoded here.
#include "wordproc/EngineInterface.h"
#include "wordproc/ocr/PictureReader.h"
#include "wordproc/ocr/PictureSignature.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Pictures of a few kilobytes reach every decoder's paths; larger ones
    // only make each run slower.
    constexpr std::size_t kMostBytes = 64 * 1024;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size < kMostBytes ? size : kMostBytes);
    if (!harvelux::wordproc::looksLikePicture(bytes)) return 0;
    try {
        harvelux::wordproc::decodePicturePages(bytes);
    } catch (const harvelux::wordproc::EngineError&) {}
    return 0;
}
