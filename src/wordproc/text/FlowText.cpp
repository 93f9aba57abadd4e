#include "wordproc/text/FlowText.h"

namespace harvelux::wordproc {

void FlowText::settle() {
    if (pendingSpace_) out_.append(U' ');
    pendingSpace_ = false;
    lineStarted_ = true;
    paragraphHasContent_ = true;
}

void FlowText::text(std::string_view utf8) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t word = utf8.find_first_of(whitespace_, i);
        const std::size_t end = word == std::string_view::npos ? utf8.size() : word;
        if (end > i) {
            settle();
            out_.append(utf8.substr(i, end - i));
        }
        if (end == utf8.size()) break;
        if (lineStarted_) pendingSpace_ = true;
        i = utf8.find_first_not_of(whitespace_, end);
        if (i == std::string_view::npos) break;
    }
}

void FlowText::verbatim(std::string_view utf8) {
    if (utf8.empty()) return;
    settle();
    out_.append(utf8);
}

void FlowText::character(char32_t c) {
    settle();
    out_.append(c);
}

}  // namespace harvelux::wordproc
