#include "wordproc/rtf/RtfCodePages.h"

namespace harvelux::wordproc {

namespace {

constexpr std::size_t kMaxFonts = 65536;

}  // namespace

void RtfCodePages::fontTableWord(const RtfToken& token) {
    const int value = token.parameter;
    if (token.word == "f") {
        definingFont_ = value;
    } else if ((token.word == "fcharset" || token.word == "cpg") && definingFont_ >= 0) {
        const int codePage = token.word == "cpg" ? value : codePageForCharset(value);
        if (fontCodePages_.size() < kMaxFonts || fontCodePages_.contains(definingFont_))
            fontCodePages_[definingFont_] = codePage;
    }
}

void RtfCodePages::documentWord(const RtfToken& token) {
    const std::string_view word = token.word;
    if (word == "deff" && token.hasParameter) {
        defaultFont_ = token.parameter;
    } else if (word == "ansicpg" && token.hasParameter) {
        documentCodePage_ = token.parameter;
    } else if (word == "ansi") {
        documentCodePage_ = kWindowsLatin1;
    } else if (word == "mac") {
        documentCodePage_ = 10000;
    } else if (word == "pc") {
        documentCodePage_ = 437;
    } else if (word == "pca") {
        documentCodePage_ = 850;
    }
}

int RtfCodePages::codePageOf(int font) const {
    const auto found = fontCodePages_.find(font >= 0 ? font : defaultFont_);
    return found != fontCodePages_.end() && found->second > 0 ? found->second : documentCodePage_;
}

}  // namespace harvelux::wordproc
