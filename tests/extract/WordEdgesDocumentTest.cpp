// One document with every word-edge case (data/wordedges, written as .docx
// by make_wordedges.py and saved by LibreOffice as .doc, .odt and .rtf): sentence ends, typographic quotes, CJK punctuation, a note mark
// glued to the next word, page and section breaks right after addresses,
// optional and non-breaking hyphens, dashes, and words that stay unfound.
#include "extract/ExtractEmails.h"
#include "wordproc/DocumentFile.h"
#include "wordproc/FormatDispatch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

std::string textOf(const std::string& extension) {
    using namespace harvelux::wordproc;
    return readDocumentText(readDocumentFile(HARVELUX_TEST_DATA_DIR "/wordedges/wordedges." + extension));
}

class WordEdgesDocument : public ::testing::TestWithParam<const char*> {};

TEST_P(WordEdgesDocument, GivesTheSameAddressesInEveryFormat) {
    harvelux::extract::SeenAddresses seen;
    EXPECT_EQ(
        harvelux::extract::ExtractEmails(textOf(GetParam()), seen),
        (Strings{"contact@agency.gov", "curly@example.com", "single@example.com", "guillemet@example.com",
                 "sales@example.cn", "info@example.jp", "note@example.com", "page@example.com", "section@example.com",
                 "opthyphen@example.com", "non-break@example.com", "dash@example.com", "dots@example.com",
                 // the last line's Chinese letters end the word before "ab", and "+" may stand in a local part
                 "ab@example.com", "a+b@example.com"}));
}

TEST_P(WordEdgesDocument, KeepsTheNoteMarkSoNoWordsAreGlued) {
    const std::string text = textOf(GetParam());
    EXPECT_NE(text.find("note@example.com\x02next"), std::string::npos);
    EXPECT_EQ(text.find("comnext"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Formats, WordEdgesDocument, ::testing::Values("docx", "doc", "odt", "rtf"));

TEST(WordEdgesDocument, BreaksStandWhereTheFormatHoldsThem) {
    // LibreOffice keeps a page break inside a paragraph only in .docx; the
    // others hold it as the next paragraph's "page break before", which is
    // no character. A section break ends its paragraph with FF; RTF writes
    // it after the paragraph's own mark, and OpenDocument has no section
    // break character at all.
    struct Case {
        const char* extension;
        const char* page;
        const char* section;
    };
    const Case cases[] = {
        {"docx", "page@example.com\fafter", "section@example.com\fafter"},
        {"doc", "page@example.com\rafter", "section@example.com\fafter"},
        {"rtf", "page@example.com\rafter", "section@example.com\r\fafter"},
        {"odt", "page@example.com\rafter", "section@example.com\rafter"},
    };
    for (const Case& c : cases) {
        const std::string text = textOf(c.extension);
        EXPECT_NE(text.find(c.page), std::string::npos) << c.extension;
        EXPECT_NE(text.find(c.section), std::string::npos) << c.extension;
    }
}

}  // namespace
