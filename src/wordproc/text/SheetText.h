// The text form of a spreadsheet, whatever format it came in: the cells of
// a row separated by TAB, a row ended by CR, a sheet ended by a form feed.
// Empty cells give nothing, so a row of empty cells and a sheet of empty
// rows give nothing either; only text is handed in (numbers and dates are
// not read).
#pragma once

#include "wordproc/text/TextBuilder.h"

#include <string>
#include <string_view>

namespace harvelux::wordproc {

class SheetText {
public:
    // A text cell of the current row. CR, LF and TAB inside it would read as
    // the form's own marks, so they become line breaks and spaces.
    void cell(std::string_view text) {
        if (text.empty()) return;
        if (rowHasText_) text_.append(chars::kTab);
        rowHasText_ = true;
        sheetHasText_ = true;
        for (const char c : text) {
            if (c == '\r' || c == '\n')
                cellText_ += '\v';
            else if (c == '\t')
                cellText_ += ' ';
            else
                cellText_ += c;
        }
        text_.append(cellText_);
        cellText_.clear();
    }
    // A whole row whose cells are already joined by TAB.
    void row(std::string_view joined) {
        endRow();
        if (joined.empty()) return;
        text_.append(joined);
        text_.append(chars::kParagraph);
        sheetHasText_ = true;
    }
    void endRow() {
        if (rowHasText_) text_.append(chars::kParagraph);
        rowHasText_ = false;
    }
    void endSheet() {
        endRow();
        if (sheetHasText_) text_.append(chars::kPageBreak);
        sheetHasText_ = false;
    }
    std::string take() {
        endSheet();
        return text_.take();
    }

private:
    TextBuilder text_;
    std::string cellText_;
    bool rowHasText_ = false;
    bool sheetHasText_ = false;
};

}  // namespace harvelux::wordproc
