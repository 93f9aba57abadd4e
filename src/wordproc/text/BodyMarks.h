// The marks a document's body writes where its elements end: a paragraph's,
// a section's last paragraph's, a table cell's or a table row's. The XML
// readers walk the body's tree and write the mark when they leave the
// element.
#pragma once

#include "wordproc/text/TextBuilder.h"

#include <cstddef>

namespace harvelux::wordproc {

enum class BodyMark { None, Paragraph, SectionEnd, Cell, Row };

// Writes the mark of an element whose text began at size `textStart`: CR
// for a paragraph, a page break for the last paragraph of a section, a
// cell mark for a cell or a row.
inline void writeBodyMark(TextBuilder& out, BodyMark mark, std::size_t textStart) {
    switch (mark) {
        case BodyMark::Paragraph:
            out.append(chars::kParagraph);
            break;
        case BodyMark::SectionEnd:
            out.append(chars::kPageBreak);
            break;
        case BodyMark::Cell:
            out.endCell(textStart);
            break;
        case BodyMark::Row:
            out.appendCellMark();
            break;
        case BodyMark::None:
            break;
    }
}

}  // namespace harvelux::wordproc
