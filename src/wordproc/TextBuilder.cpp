#include "wordproc/TextBuilder.h"

#include "common/Utf8.h"
#include "wordproc/Engine.h"

namespace harvelux::wordproc {

void TextBuilder::checkSize() const {
    if (text_.size() > kMaxTextBytes) throw EngineError("document text exceeds the limit", UnreadableReason::TooLarge);
}

void TextBuilder::append(std::string_view utf8) {
    text_.append(utf8);
    checkSize();
}

void TextBuilder::append(char32_t codePoint) {
    appendUtf8(text_, codePoint);
    checkSize();
}

void TextBuilder::appendCellMark() {
    text_ += '\r';
    text_ += '\a';
    checkSize();
}

void TextBuilder::endCell(std::size_t cellStart) {
    if (text_.size() > cellStart && endsWith('\r')) {
        text_ += '\a';
        checkSize();
    } else {
        appendCellMark();
    }
}

}  // namespace harvelux::wordproc
