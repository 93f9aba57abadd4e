// One document, written once and saved by LibreOffice in every format the
// engine reads (tests/wordproc/data/crossformat): paragraphs, a tab, a line
// break, a no-break space, a two-by-two table and several addresses. Every
// format must give the same text, except where the format cannot carry a
// construct; those normalisations are spelled out below. A spreadsheet
// (written as CSV, saved by LibreOffice Calc) and a presentation (written as
// a flat OpenDocument presentation, saved by LibreOffice Impress) stand for
// their families, each family giving one text. The formats tested are those
// of the engine's table that have a file in the folder.
#include "wordproc/DocumentFile.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/FormatDispatch.h"
#include "wordproc/FormatTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

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

// Text cells only (the number 3 and the row holding only 42 give nothing),
// empty cells without a TAB.
const std::string kExpectedSheet =
    "Contact list for the spring meeting\r"
    "Name\tAddress\tCount\r"
    "Eve\teve@example.co.uk\r"
    "Frank\tfrank_1@mail.example.com\r"
    "The end.\r\f";

const std::string kExpectedSlides =
    "Contact list for the spring meeting\r"
    "Write to alice@example.com\r"
    "or bob.smith@example.org\r\f"
    "The end.\r\f";

const std::string kFolder = HARVELUX_TEST_DATA_DIR "/crossformat/";

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// The text a format can carry of the document.
std::string expectedIn(Format format) {
    switch (format) {
        case Format::Html:
            // Outside <pre> a browser shows a tab as white space like any other.
            return replaced(kExpected, "\t", " ");
        case Format::Pdf: {
            // A PDF holds positioned lines: the line break, each table cell
            // and the paragraphs are lines alike, the tab is a gap and the
            // no-break space a space glyph (both read as a space), and no
            // table marks exist.
            std::string expected = replaced(kExpected, "\r\a\r\a", "\r");
            expected = replaced(expected, "\r\a", "\r");
            expected = replaced(expected, "\v", "\r");
            expected = replaced(expected, "\t", " ");
            return replaced(expected, "\u00A0", " ");
        }
        case Format::SpreadsheetML:
        case Format::OpenDocumentSpreadsheet:
        case Format::FlatOpenDocumentSpreadsheet:
        case Format::ExcelBinary:
            return kExpectedSheet;
        case Format::PresentationML:
        case Format::OpenDocumentPresentation:
        case Format::FlatOpenDocumentPresentation:
        case Format::PowerPointBinary:
            return kExpectedSlides;
        default:
            return kExpected;
    }
}

// The usual extensions of the table's formats for which the folder holds a
// crossformat.<extension>.
std::vector<std::string> extensionsWithAFile() {
    std::set<std::string> extensions;
    for (const FormatEntry& entry : formatTable())
        for (const std::string_view extension : entry.extensionList())
            if (std::filesystem::exists(kFolder + "crossformat." + std::string(extension)))
                extensions.emplace(extension);
    return {extensions.begin(), extensions.end()};
}

class CrossFormat : public ::testing::TestWithParam<std::string> {};

TEST_P(CrossFormat, GivesTheTextItsFormatCarries) {
    const std::string bytes = readDocumentFile(kFolder + "crossformat." + GetParam());
    const Format format = detectFormat(bytes);
    ASSERT_NE(format, Format::Unknown);
    const std::vector<std::string_view> extensions = formatEntry(format).extensionList();
    EXPECT_NE(std::find(extensions.begin(), extensions.end(), GetParam()), extensions.end())
        << "taken for " << formatEntry(format).name;
    EXPECT_EQ(readDocumentText(bytes), expectedIn(format));
}

INSTANTIATE_TEST_SUITE_P(Formats, CrossFormat, ::testing::ValuesIn(extensionsWithAFile()),
                         [](const ::testing::TestParamInfo<std::string>& each) { return each.param; });

TEST(CrossFormatFolder, HoldsOnlyFormatsOfTheTable) {
    const std::vector<std::string> tested = extensionsWithAFile();
    for (const auto& file : std::filesystem::directory_iterator(kFolder)) {
        const std::string extension = file.path().extension().string().substr(1);
        EXPECT_NE(std::find(tested.begin(), tested.end(), extension), tested.end()) << file.path();
    }
}

}  // namespace
}  // namespace harvelux::wordproc
