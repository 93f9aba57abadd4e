// Excel workbooks read by our reader of BIFF records: the workbooks the
// office suites write (tests/wordproc/data/sheet, README there) give their
// cells, stories and links; hand-built record streams cover what those
// files do not: a shared string split across CONTINUE records, hostile
// counts, cells out of order, code pages, Excel 2.x worksheets, encryption.
#include "wordproc/DocumentFile.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/FormatDispatch.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/sheet/BiffWorkbook.h"
#include "wordproc/text/OtherStories.h"
#include "wordproc/text/TextBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace harvelux::wordproc {
namespace {

struct SuiteFile {
    const char* name;
    std::vector<std::string> mainText;   // found without reading whole documents
    std::vector<std::string> wholeOnly;  // found only when reading whole documents
};

const SuiteFile kSuiteFiles[] = {
    {"libreoffice-biff8.xls",
     {"Name\tMail\r", "Zoë Müller\twrite to us\r", "Ελληνικά кириллица\r\fsecond sheet second@example.org\r\f"},
     {"Ask comment@example.org first\r", "Header contact héader@example.org\r", "\rlinked@example.org\r"}},
    {"gnumeric-biff8.xls", {"Zoë Müller\twrite to us\tformula@example.org\r"}, {"footer@example.org"}},
    {"gnumeric-biff7.xls",
     {"Zoë Müller\twrite to us\tformula@example.org\r", "Ελληνικά кириллица\r\fsecond sheet"},
     {"Ask comment@example.org first\r", "Header contact héader@example.org\r"}},
};

class SuiteWorkbooks : public ::testing::TestWithParam<SuiteFile> {};

TEST_P(SuiteWorkbooks, GiveTheirCellsAndStories) {
    const SuiteFile& file = GetParam();
    const std::string bytes = readDocumentFile(std::string(HARVELUX_TEST_DATA_DIR "/sheet/") + file.name);
    EXPECT_EQ(detectFormat(bytes), Format::ExcelBinary);
    const std::string main = readDocumentText(bytes);
    const std::string whole = readDocumentText(bytes, ReadOptions{.allStories = true});
    EXPECT_EQ(main.find("42"), std::string::npos) << "numbers are not read";
    for (const std::string& words : file.mainText) EXPECT_NE(main.find(words), std::string::npos) << words;
    for (const std::string& words : file.wholeOnly) {
        EXPECT_EQ(main.find(words), std::string::npos) << words;
        EXPECT_NE(whole.find(words), std::string::npos) << words;
    }
}

INSTANTIATE_TEST_SUITE_P(Suites, SuiteWorkbooks, ::testing::ValuesIn(kSuiteFiles), [](const auto& param) {
    std::string name = param.param.name;
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
});

// Record streams built by hand.
std::string le(std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}
std::string record(std::uint16_t type, const std::string& body) {
    return le(type, 2) + le(static_cast<std::uint32_t>(body.size()), 2) + body;
}
std::string bof(std::uint16_t version, std::uint16_t substream) {
    return record(0x0809, le(version, 2) + le(substream, 2) + std::string(12, '\0'));
}
const std::string kEof = record(0x000A, "");
std::string globals(const std::string& records) { return bof(0x0600, 0x0005) + records + kEof; }
std::string sheet(const std::string& records) { return bof(0x0600, 0x0010) + records + kEof; }
std::string labelSst(std::uint16_t row, std::uint16_t column, std::uint32_t index) {
    return record(0x00FD, le(row, 2) + le(column, 2) + le(0, 2) + le(index, 4));
}
// A shared-strings table of compressed strings.
std::string sst(const std::vector<std::string>& strings) {
    std::string body =
        le(static_cast<std::uint32_t>(strings.size()), 4) + le(static_cast<std::uint32_t>(strings.size()), 4);
    for (const std::string& s : strings) body += le(static_cast<std::uint32_t>(s.size()), 2) + '\0' + s;
    return record(0x00FC, body);
}

std::string read(const std::string& stream, OtherStories* stories = nullptr) {
    return biff::readWorkbookStream(stream, stories);
}

TEST(BiffRecords, ShareAStringSplitAcrossContinueRecords) {
    // "café" begins compressed in the SST; its CONTINUE says the rest is
    // UTF-16. The next string has a rich-text run and phonetic data to pass.
    const std::string first = le(8, 2) + '\0' + "caf";
    const std::string rest = std::string("\x01", 1) + le(0xE9, 2) + le('@', 2) + le('x', 2) + le('.', 2) + le('o', 2);
    const std::string second = le(2, 2) + "\x0C" + le(1, 2) + le(3, 4) + "ok" + le(0, 4) + "phn";
    const std::string table = record(0x00FC, le(2, 4) + le(2, 4) + first) + record(0x003C, rest + second);
    EXPECT_EQ(read(globals(table) + sheet(labelSst(0, 0, 0) + labelSst(0, 1, 1))), "café@x.o\tok\r\f");
}

TEST(BiffRecords, CountsLargerThanTheStreamAllocateNothing) {
    const std::string hostile = record(0x00FC, le(0xFFFFFFFF, 4) + le(0xFFFFFFFF, 4) + le(0xFFFF, 2) + '\0' + "abc");
    EXPECT_EQ(read(globals(hostile) + sheet(labelSst(0, 0, 0) + labelSst(0, 1, 0xFFFFFFFF))), "abc\r\f");
}

TEST(BiffRecords, CellsComeInRowAndColumnOrderAndTheLastOfACellWins) {
    const std::string cells = labelSst(1, 0, 2) + labelSst(0, 1, 3) + labelSst(0, 0, 0) + labelSst(0, 1, 1);
    EXPECT_EQ(read(globals(sst({"A", "B", "C", "lost"})) + sheet(cells)), "A\tB\rC\r\f");
}

TEST(BiffRecords, SheetsComeInTheOrderTheWorkbookListsThem) {
    const std::string strings = sst({"first", "second"});
    const auto boundSheet = [](std::uint32_t at) { return record(0x0085, le(at, 4) + le(0, 2) + le(1, 2) + "s"); };
    const std::size_t globalsSize = globals(strings + boundSheet(0) + boundSheet(0)).size();
    const std::string secondSheet = sheet(labelSst(0, 0, 1));
    const std::string stream =
        globals(strings + boundSheet(static_cast<std::uint32_t>(globalsSize + secondSheet.size())) +
                boundSheet(static_cast<std::uint32_t>(globalsSize))) +
        secondSheet + sheet(labelSst(0, 0, 0));
    EXPECT_EQ(read(stream), "first\r\fsecond\r\f");
}

TEST(BiffRecords, Excel95TextIsInTheWorkbooksCodePage) {
    const std::string label = record(0x0204, le(0, 2) + le(0, 2) + le(0, 2) + le(3, 2) + "\xCF\xF0\xE8");
    const std::string stream =
        bof(0x0500, 0x0005) + record(0x0042, le(1251, 2)) + kEof + bof(0x0500, 0x0010) + label + kEof;
    EXPECT_EQ(read(stream), "При\r\f");
}

TEST(BiffRecords, AnExcel2WorksheetIsRecognisedAndRead) {
    const std::string label = record(0x0004, le(0, 2) + le(1, 2) + std::string(3, '\0') + "\x0F" + "ann@example.org");
    const std::string worksheet = record(0x0009, le(2, 2) + le(0x0010, 2)) + label + kEof;
    EXPECT_EQ(detectFormat(worksheet), Format::ExcelBinary);
    EXPECT_EQ(readDocumentText(worksheet), "ann@example.org\r\f");
}

TEST(BiffRecords, ADamagedStreamGivesWhatCameBeforeTheDamage) {
    const std::string cutShort = le(0x00FD, 2) + le(0xFFFF, 2) + "rest";
    EXPECT_EQ(read(globals(sst({"kept"})) + bof(0x0600, 0x0010) + labelSst(0, 0, 0) + cutShort), "kept\r\f");
    EXPECT_THROW(read(labelSst(0, 0, 0) + kEof), EngineError) << "a stream that begins with no BOF";
}

TEST(BiffRecords, FirstAndEvenPagesHeadersAreHeaders) {
    const std::string firstPage = "&Cfirst@example.org";
    const std::string counts = le(0, 2) + le(0, 2) + le(static_cast<std::uint32_t>(firstPage.size()), 2) + le(0, 2);
    const std::string body = std::string(12 + 16 + 2, '\0') + counts +
                             le(static_cast<std::uint32_t>(firstPage.size()), 2) + '\0' + firstPage;
    OtherStories stories;
    const std::string text = read(globals("") + sheet(record(0x089C, body)), &stories);
    EXPECT_EQ(stories.appendTo(text), "first@example.org\r");
}

TEST(BiffRecords, APasswordMakesTheWorkbookEncrypted) {
    try {
        read(globals(record(0x002F, le(1, 2) + std::string(52, '\0'))) + sheet(""));
        FAIL() << "read an encrypted workbook";
    } catch (const EngineError& error) {
        EXPECT_EQ(error.reason(), UnreadableReason::Encrypted);
    }
}

TEST(BiffRecords, AMillionCellRecordsAreReadWholeUnderTheWorkBudget) {
    std::string cells;
    for (std::uint32_t i = 0; i < 1'000'000; ++i)
        cells += labelSst(static_cast<std::uint16_t>(i / 16), static_cast<std::uint16_t>(i % 16), 0);
    const std::string stream = globals(sst({"x"})) + sheet(cells);
    const std::string text = read(stream);
    EXPECT_EQ(std::count(text.begin(), text.end(), 'x'), 1'000'000);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 62'500);
    const WorkBudget spent(std::chrono::steady_clock::time_point{}, {});
    EXPECT_THROW(read(stream), EngineError);
}

TEST(BiffRecords, TextPastTheLimitIsTooLarge) {
    std::string cells;
    for (std::uint16_t row = 0; row < 1000; ++row) cells += labelSst(row, 0, 0);
    const TextLimitScope limit(4096);
    try {
        read(globals(sst({std::string(100, 'y')})) + sheet(cells));
        FAIL() << "read past the text limit";
    } catch (const EngineError& error) {
        EXPECT_EQ(error.reason(), UnreadableReason::TooLarge);
    }
}

}  // namespace
}  // namespace harvelux::wordproc
