// One document, written once and saved by LibreOffice in every format the
// engine reads (tests/wordproc/data/crossformat): paragraphs, a tab, a line
// break, a no-break space, a two-by-two table and several addresses. Every
// format must give the same text, except where the format cannot carry a
// construct; those normalisations are spelled out below.
#include "wordproc/DocumentFile.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/FormatDispatch.h"

#include <gtest/gtest.h>

#include <string>

namespace harvelux::wordproc {
namespace {

const std::string kExpected =
    "Contact list for the spring meeting\r"
    "Write to alice@example.com or bob.smith@example.org for details.\r"
    "Name\tAddress\r"
    "First line\vsecond line with carol@example.net\r"
    "No-break\u00A0space: dave@example.com\r"
    "Eve\r\aeve@example.co.uk\r\a\r\a"
    "Frank\r\afrank_1@mail.example.com\r\a\r\a"
    "The end.\r";

std::string textOf(const std::string& extension) {
    return readDocumentText(readDocumentFile(HARVELUX_TEST_DATA_DIR "/crossformat/crossformat." + extension));
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

class CrossFormat : public ::testing::TestWithParam<const char*> {};

TEST_P(CrossFormat, GivesTheSameText) { EXPECT_EQ(textOf(GetParam()), kExpected); }

INSTANTIATE_TEST_SUITE_P(Formats, CrossFormat, ::testing::Values("fodt", "odt", "rtf", "docx"));

TEST(CrossFormatNormalised, HtmlCollapsesTheTab) {
    // Outside <pre> a browser shows a tab as white space like any other.
    EXPECT_EQ(textOf("html"), replaced(kExpected, "\t", " "));
}

TEST(CrossFormatNormalised, PdfHasLinesInsteadOfStructure) {
    // A PDF holds positioned lines: the line break, each table cell and the
    // paragraphs are lines alike, the tab is a gap and the no-break space a
    // space glyph (both read as a space), and no table marks exist.
    std::string expected = replaced(kExpected, "\r\a\r\a", "\r");
    expected = replaced(expected, "\r\a", "\r");
    expected = replaced(expected, "\v", "\r");
    expected = replaced(expected, "\t", " ");
    expected = replaced(expected, "\u00A0", " ");
    EXPECT_EQ(textOf("pdf"), expected);
}

TEST(CrossFormatNormalised, WordBinaryGivesTheSameText) {
    const std::string bytes = readDocumentFile(HARVELUX_TEST_DATA_DIR "/crossformat/crossformat.doc");
    EXPECT_EQ(readDocumentText(bytes), kExpected);
}

}  // namespace
}  // namespace harvelux::wordproc
