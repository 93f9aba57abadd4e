// Spreadsheets and presentations: the real files of ../shared/containers
// are recognised by content and give their words and addresses; a
// hand-built workbook shows the sheets' text form and the caps.
#include "wordproc/DocumentFile.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/FormatDispatch.h"
#include "wordproc/text/TextBuilder.h"

#include "SharedFolders.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace harvelux::wordproc {
namespace {

using testfiles::makeZip;

std::string containersDir() { return testfiles::corpusDir() + "/../containers"; }

struct RealFile {
    const char* name;
    Format format;
    std::vector<std::string> mainText;   // found without reading whole documents
    std::vector<std::string> wholeOnly;  // found only when reading whole documents
};

const RealFile kRealFiles[] = {
    {"51626_contact.xlsx", Format::SpreadsheetML, {"First Name\tLast Name\t", "george@nope.com"}, {}},
    {"33082.xls",
     Format::ExcelBinary,
     {"Supplier Name\tManuf Duns #", "Stacie@ABC.com", "Arrived at Port of Entry"},
     {"sandy.olheiser@eds.com", "Enter date for which you are completing the survey"}},
    {"LibreOfficeCalc_ods_1.3.ods", Format::OpenDocumentSpreadsheet, {"spreadsheet"}, {}},
    {"shapes.pptx", Format::PresentationML, {"dev@poi.apache.org"}, {}},
    {"56260.ppt", Format::PowerPointBinary, {"sales@atlassian.com"}, {}},
    {"LibreOfficeImpress_odp_1.3.odp", Format::OpenDocumentPresentation, {"This is\rAn example Impress file\r\f"}, {}},
};

class RealSpreadsheetsAndPresentations : public ::testing::TestWithParam<RealFile> {};

TEST_P(RealSpreadsheetsAndPresentations, GiveTheirWordsAndAddresses) {
    HARVELUX_REQUIRE_SHARED_FOLDER(containersDir());
    const RealFile& file = GetParam();
    const std::string bytes = readDocumentFile(containersDir() + "/" + file.name);
    EXPECT_EQ(detectFormat(bytes), file.format);
    const std::string main = readDocumentText(bytes);
    const std::string whole = readDocumentText(bytes, ReadOptions{.allStories = true});
    EXPECT_EQ(whole.substr(0, main.size()), main) << "whole documents begin with the main text";
    for (const std::string& words : file.mainText) EXPECT_NE(main.find(words), std::string::npos) << words;
    for (const std::string& words : file.wholeOnly) {
        EXPECT_EQ(main.find(words), std::string::npos) << words;
        EXPECT_NE(whole.find(words), std::string::npos) << words;
    }
}

INSTANTIATE_TEST_SUITE_P(Containers, RealSpreadsheetsAndPresentations, ::testing::ValuesIn(kRealFiles),
                         [](const auto& param) {
                             std::string name;
                             for (const char c : std::string(param.param.name))
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

constexpr const char* kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr const char* kRels = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

std::string workbook(const std::string& sheetData, const std::string& sharedStrings) {
    const std::string rel = std::string(kRels);
    return makeZip({
        {"[Content_Types].xml", "<Types/>"},
        {"_rels/.rels", "<Relationships><Relationship Id=\"r\" Type=\"" + rel +
                            "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
        {"xl/workbook.xml", std::string("<workbook xmlns=\"") + kMain + "\" xmlns:r=\"" + rel +
                                "\"><sheets><sheet name=\"A\" r:id=\"s1\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels", "<Relationships><Relationship Id=\"s1\" Type=\"" + rel +
                                           "/worksheet\" Target=\"sheet1.xml\"/><Relationship Id=\"ss\" Type=\"" + rel +
                                           "/sharedStrings\" Target=\"strings.xml\"/></Relationships>"},
        {"xl/sheet1.xml",
         std::string("<worksheet xmlns=\"") + kMain + "\"><sheetData>" + sheetData + "</sheetData></worksheet>"},
        {"xl/strings.xml",
         std::string("<sst xmlns=\"") + kMain + "\" count=\"4000000000\">" + sharedStrings + "</sst>"},
    });
}

TEST(SpreadsheetText, TextCellsOnlyTabBetweenCellsCrAfterRowsFormFeedAfterTheSheet) {
    const std::string cells =
        R"(<row><c t="s"><v>0</v></c><c><v>42</v></c><c/><c t="inlineStr"><is><t>in</t><t>line</t></is></c></row>)"
        R"(<row><c t="b"><v>1</v></c><c t="s"><v>99</v></c></row>)"
        R"(<row><c t="str"><f>A1</f><v>formula result</v></c><c t="s"><v>1</v></c></row>)";
    const std::string strings =
        "<si><t>shared</t></si><si><r><t>two</t></r><r><t> runs</t></r><rPh><t>x</t></rPh></si>";
    EXPECT_EQ(readDocumentText(workbook(cells, strings)), "shared\tinline\rformula result\ttwo runs\r\f");
}

TEST(SpreadsheetText, AMillionRowsOfOneSharedStringStopAtTheTextCapOfTheFile) {
    std::string rows;
    for (int i = 0; i < 1000000; ++i) rows += R"(<row><c t="s"><v>0</v></c></row>)";
    const std::string bytes = workbook(rows, "<si><t>" + std::string(200, 'w') + "</t></si>");
    const TextLimitScope cap(textLimitFor(bytes.size()));
    try {
        readDocumentText(bytes);
        FAIL() << "a million rows of 200 characters from a small file";
    } catch (const EngineError& error) {
        EXPECT_EQ(error.reason(), UnreadableReason::TooLarge);
    }
}

TEST(SpreadsheetText, RepeatedOpenDocumentRowsWithTextAreReadAThousandTimesAtMost) {
    const std::string content =
        R"(<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0")"
        R"( xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0")"
        R"( xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"><office:body><office:spreadsheet>)"
        R"(<table:table><table:table-row table:number-rows-repeated="2000000000"><table:table-cell)"
        R"( office:value-type="string"><text:p>a</text:p></table:table-cell><table:table-cell)"
        R"( office:value-type="float" office:value="1"><text:p>1</text:p></table:table-cell></table:table-row>)"
        R"(</table:table></office:spreadsheet></office:body></office:document-content>)";
    const std::string text = readDocumentText(
        makeZip({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet", false}, {"content.xml", content}}));
    std::string expected;
    for (int i = 0; i < 1000; ++i) expected += "a\r";
    EXPECT_EQ(text, expected + "\f");
}

}  // namespace
}  // namespace harvelux::wordproc
