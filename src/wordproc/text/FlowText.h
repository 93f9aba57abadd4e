// Character data of flowing text, as HTML and OpenDocument paragraphs hold
// it: each run of white space becomes one space, and none is kept at the
// start of a line or at the end of a paragraph.
#pragma once

#include "wordproc/text/TextBuilder.h"

#include <string_view>

namespace harvelux::wordproc {

class FlowText {
public:
    // `whitespace`: the ASCII characters that collapse in this format.
    FlowText(TextBuilder& out, std::string_view whitespace) : out_(out), whitespace_(whitespace) {}

    // Character data, white space collapsed.
    void text(std::string_view utf8);
    // A character that is kept as it is (a tab, a line break, a no-break
    // space, a space the format spells out).
    void character(char32_t c);
    // Text kept exactly as it is (preformatted).
    void verbatim(std::string_view utf8);
    // A line break as a browser makes it: white space before it and at the
    // start of the new line is dropped.
    void breakLine(char32_t mark) {
        startLine();
        character(mark);
        startLine();
    }
    void startLine() {
        pendingSpace_ = false;
        lineStarted_ = false;
    }
    // Ends the paragraph without writing its mark: a pending space is
    // dropped, the next text starts a new line.
    void endParagraph() {
        startLine();
        paragraphHasContent_ = false;
    }
    bool paragraphHasContent() const { return paragraphHasContent_; }

private:
    void settle();

    TextBuilder& out_;
    std::string_view whitespace_;
    bool pendingSpace_ = false;
    bool lineStarted_ = false;
    bool paragraphHasContent_ = false;
};

}  // namespace harvelux::wordproc
