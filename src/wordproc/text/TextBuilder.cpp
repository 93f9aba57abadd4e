#include "wordproc/text/TextBuilder.h"

#include "common/Utf8.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/WorkBudget.h"

namespace harvelux::wordproc {

namespace {
thread_local std::size_t textLimit = kMaxTextBytes;
}  // namespace

std::size_t textLimitFor(std::size_t fileBytes) {
    return fileBytes >= kMaxTextBytes / kMaxTextRatio ? kMaxTextBytes : fileBytes * kMaxTextRatio;
}

TextLimitScope::TextLimitScope(std::size_t limit) : previous_(textLimit) { textLimit = limit; }

TextLimitScope::~TextLimitScope() { textLimit = previous_; }

std::size_t TextLimitScope::current() { return textLimit; }

void TextBuilder::checkSize() const {
    WorkBudget::charge();
    if (text_.size() > limit_) throw EngineError("document text exceeds the limit", UnreadableReason::TooLarge);
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
