#include "wordproc/word/WordStoryText.h"

#include "common/Utf8.h"

namespace harvelux::wordproc {

namespace {

// Codes Word stores in the text stream for structure and special objects.
constexpr char32_t kCellOrRowMark = 0x07;
constexpr char32_t kFieldBegin = 0x13;
constexpr char32_t kFieldSeparator = 0x14;
constexpr char32_t kFieldEnd = 0x15;

// Control codes that are text in a range: the breaks, tab, hyphens and note
// reference marks.
bool keepsControlCode(char32_t c) {
    switch (c) {
        case chars::kParagraph:
        case chars::kLineBreak:
        case chars::kPageBreak:
        case chars::kColumnBreak:
        case chars::kTab:
        case chars::kNoBreakHyphen:
        case chars::kOptionalHyphen:
        case chars::kNoteMark:
            return true;
        default:
            return false;
    }
}

}  // namespace

void WordStoryText::put(char32_t c) {
    switch (c) {
        case kFieldBegin:
            fields_.begin();
            codes_.begin();
            return;
        case kFieldSeparator:
            fields_.separate();
            codes_.separate();
            return;
        case kFieldEnd:
            fields_.end();
            codes_.end();
            return;
        default:
            break;
    }
    if (fields_.inCode()) {
        if (codes_.recording()) {
            std::string utf8;
            appendUtf8(utf8, c);
            codes_.text(utf8);
        }
        return;
    }
    if (codes_.inLinkResult()) {
        std::string utf8;
        appendUtf8(utf8, c);
        codes_.result(utf8);
    }
    if (c == kCellOrRowMark) {
        out_.appendCellMark();
    } else if (c >= 0x20 || keepsControlCode(c)) {
        out_.append(c);
    }
    // Other control codes anchor pictures (0x01), comment marks (0x05),
    // drawn objects (0x08) and the like: dropped.
}

}  // namespace harvelux::wordproc
