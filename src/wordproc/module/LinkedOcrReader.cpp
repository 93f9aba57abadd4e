#include "wordproc/module/LinkedOcrReader.h"

#include "wordproc/module/GuardedModuleRead.h"
#include "wordproc/ocr/OcrPageReader.h"
#include "wordproc/ocr/PictureReader.h"

namespace harvelux::wordproc {

namespace {

int readPicture(const char* data, std::size_t size, const char* languages, const ReaderLimits* limits,
                std::string* text) noexcept {
    return guardedModuleRead(limits, text, [&] { *text = readPictureText(std::string_view(data, size), languages); });
}

int readGreyPage(const GreyPage* page, const char* languages, const ReaderLimits* limits, std::string* text) noexcept {
    return guardedModuleRead(limits, text, [&] {
        TextBuilder out;
        recognisePage(*page, languages, out);
        *text = out.take();
    });
}

}  // namespace

const OcrModuleTable& linkedOcrReader() {
    static const OcrModuleTable table{kOcrModuleAbi, &readPicture, &readGreyPage};
    return table;
}

}  // namespace harvelux::wordproc
