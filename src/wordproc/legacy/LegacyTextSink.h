// Collects what a Document Liberation Project library reports of a text
// document into the range form of a word processor's main story: CR at
// each paragraph's end, CR BEL after each table cell and each row, TAB,
// VT for a line break, FF before a paragraph that starts a new page, U+000E
// before one that starts a new column, U+0002 where a note is referenced.
// Headers, footers, notes, comments and text boxes go to a second text, as
// do the mailto: targets of links.
//
// Nothing is thrown back into the library: the first failure (text beyond
// the cap, no memory) is kept, later calls are ignored, and `rethrow`
// reports it once the library has returned.
#pragma once

#include "wordproc/text/TextBuilder.h"

#include <librevenge/librevenge.h>

#include <exception>
#include <string>
#include <vector>

namespace harvelux::wordproc {

class LegacyTextSink final : public librevenge::RVNGTextInterface {
public:
    std::string takeMain() { return main_.take(); }
    std::string takeOthers();
    void rethrow() const;

    void setDocumentMetaData(const librevenge::RVNGPropertyList&) override {}
    void startDocument(const librevenge::RVNGPropertyList&) override {}
    void endDocument() override {}
    void definePageStyle(const librevenge::RVNGPropertyList&) override {}
    void defineEmbeddedFont(const librevenge::RVNGPropertyList&) override {}
    void openPageSpan(const librevenge::RVNGPropertyList&) override {}
    void closePageSpan() override {}
    void openHeader(const librevenge::RVNGPropertyList&) override { openSideStory(false); }
    void closeHeader() override { closeSideStory(); }
    void openFooter(const librevenge::RVNGPropertyList&) override { openSideStory(false); }
    void closeFooter() override { closeSideStory(); }
    void defineParagraphStyle(const librevenge::RVNGPropertyList&) override {}
    void openParagraph(const librevenge::RVNGPropertyList& properties) override { startParagraph(properties); }
    void closeParagraph() override { endParagraph(); }
    void defineCharacterStyle(const librevenge::RVNGPropertyList&) override {}
    void openSpan(const librevenge::RVNGPropertyList&) override {}
    void closeSpan() override {}
    void openLink(const librevenge::RVNGPropertyList& properties) override;
    void closeLink() override {}
    void defineSectionStyle(const librevenge::RVNGPropertyList&) override {}
    void openSection(const librevenge::RVNGPropertyList&) override {}
    void closeSection() override {}
    void insertTab() override { append(chars::kTab); }
    void insertSpace() override { append(U' '); }
    void insertText(const librevenge::RVNGString& text) override;
    void insertLineBreak() override { append(chars::kLineBreak); }
    void insertField(const librevenge::RVNGPropertyList&) override {}
    void openOrderedListLevel(const librevenge::RVNGPropertyList&) override {}
    void openUnorderedListLevel(const librevenge::RVNGPropertyList&) override {}
    void closeOrderedListLevel() override {}
    void closeUnorderedListLevel() override {}
    void openListElement(const librevenge::RVNGPropertyList& properties) override { startParagraph(properties); }
    void closeListElement() override { endParagraph(); }
    void openFootnote(const librevenge::RVNGPropertyList&) override { openSideStory(true); }
    void closeFootnote() override { closeSideStory(); }
    void openEndnote(const librevenge::RVNGPropertyList&) override { openSideStory(true); }
    void closeEndnote() override { closeSideStory(); }
    void openComment(const librevenge::RVNGPropertyList&) override { openSideStory(false); }
    void closeComment() override { closeSideStory(); }
    void openTextBox(const librevenge::RVNGPropertyList&) override { openSideStory(false); }
    void closeTextBox() override { closeSideStory(); }
    void openTable(const librevenge::RVNGPropertyList&) override {}
    void openTableRow(const librevenge::RVNGPropertyList&) override {}
    void closeTableRow() override;
    void openTableCell(const librevenge::RVNGPropertyList&) override;
    void closeTableCell() override;
    void insertCoveredTableCell(const librevenge::RVNGPropertyList&) override {}
    void closeTable() override {}
    void openFrame(const librevenge::RVNGPropertyList&) override {}
    void closeFrame() override {}
    void insertBinaryObject(const librevenge::RVNGPropertyList&) override {}
    void insertEquation(const librevenge::RVNGPropertyList&) override {}
    void openGroup(const librevenge::RVNGPropertyList&) override {}
    void closeGroup() override {}
    void defineGraphicStyle(const librevenge::RVNGPropertyList&) override {}
    void drawRectangle(const librevenge::RVNGPropertyList&) override {}
    void drawEllipse(const librevenge::RVNGPropertyList&) override {}
    void drawPolygon(const librevenge::RVNGPropertyList&) override {}
    void drawPolyline(const librevenge::RVNGPropertyList&) override {}
    void drawPath(const librevenge::RVNGPropertyList&) override {}
    void drawConnector(const librevenge::RVNGPropertyList&) override {}

private:
    TextBuilder& out() { return sideDepth_ > 0 ? others_ : main_; }
    template <typename Step>
    void guarded(Step step) noexcept;
    void append(char32_t c);
    void startParagraph(const librevenge::RVNGPropertyList& properties);
    void endParagraph();
    void openSideStory(bool noteReference);
    void closeSideStory();

    TextBuilder main_;
    TextBuilder others_;
    std::string links_;               // mailto: targets, one per line
    std::size_t sideDepth_ = 0;       // side stories open, nested
    std::vector<std::size_t> cells_;  // where each open cell's text began
    std::exception_ptr failure_;
};

}  // namespace harvelux::wordproc
