// Collects a document's text as UTF-8 with a size cap, and the special
// characters of a word processor's main-story text.
#pragma once

#include "wordproc/text/ReaderCaps.h"

#include <string>
#include <string_view>

namespace harvelux::wordproc {

namespace chars {
inline constexpr char32_t kParagraph = 0x0D;
inline constexpr char32_t kCellMark = 0x07;  // follows CR at a cell's or row's end
inline constexpr char32_t kLineBreak = 0x0B;
inline constexpr char32_t kPageBreak = 0x0C;
inline constexpr char32_t kColumnBreak = 0x0E;
inline constexpr char32_t kTab = 0x09;
inline constexpr char32_t kNoBreakSpace = 0xA0;
inline constexpr char32_t kNoBreakHyphen = 0x1E;
inline constexpr char32_t kOptionalHyphen = 0x1F;
inline constexpr char32_t kNoteMark = 0x02;  // a footnote's or endnote's reference
}  // namespace chars

// The most text a document of `fileBytes` bytes may give: in proportion to
// the file, so that a few kilobytes that repeat a run of spaces or reuse the
// same bytes many times cannot fill the memory, and never more than
// kMaxTextBytes.
std::size_t textLimitFor(std::size_t fileBytes);

// While one lives, the TextBuilders of this thread stop at `limit` bytes
// instead of kMaxTextBytes. The engine sets one for each document it reads.
class TextLimitScope {
public:
    explicit TextLimitScope(std::size_t limit);
    ~TextLimitScope();
    TextLimitScope(const TextLimitScope&) = delete;
    TextLimitScope& operator=(const TextLimitScope&) = delete;

    // The limit of this thread now.
    static std::size_t current();

private:
    std::size_t previous_;
};

class TextBuilder {
public:
    void append(std::string_view utf8);
    void append(char32_t codePoint);
    // CR BEL: the end of a table cell or row.
    void appendCellMark();
    // Ends a table cell whose text began at size `cellStart`: the cell's
    // last paragraph mark becomes its cell mark, or CR BEL is added when
    // the cell's text does not end in a paragraph mark.
    void endCell(std::size_t cellStart);
    bool endsWith(char c) const { return !text_.empty() && text_.back() == c; }
    std::string take() { return std::move(text_); }
    const std::string& text() const { return text_; }

private:
    void checkSize() const;
    std::string text_;
    std::size_t limit_ = TextLimitScope::current();
};

}  // namespace harvelux::wordproc
