#include "CompoundFileBuilder.h"
#include "WordDocumentBuilder.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/FormatDispatch.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace harvelux::wordproc {
namespace {

using namespace test;
using ::testing::HasSubstr;

std::string textOf(const std::vector<TestPiece>& pieces, std::uint32_t ccpText, int prcs = 0) {
    const std::string file = word97File(word97Streams(pieces, ccpText, kUseTable1, prcs));
    EXPECT_EQ(detectFormat(file), Format::WordBinary);
    return readDocumentText(file);
}

std::string textOf(const std::u16string& story) {
    return textOf({{story, false}}, static_cast<std::uint32_t>(story.size()));
}

std::string errorOf(const std::string& file) {
    try {
        readDocumentText(file);
    } catch (const EngineError& error) {
        return error.what();
    }
    return "no error";
}

TEST(Word97Reader, JoinsEightAndSixteenBitPiecesInStoryOrder) {
    // fCompressed pieces map 0x93/0x94 to curly quotes, the rest as Latin-1.
    const std::vector<TestPiece> pieces = {
        {u"Mail \x93", true}, {u"w\u00F6rld\u20AC \U0001F600 ", false}, {u"x@example.com\x94\r", true}};
    EXPECT_EQ(textOf(pieces, 31, 2), "Mail \u201Cw\u00F6rld\u20AC \U0001F600 x@example.com\u201D\r");
}

TEST(Word97Reader, ReadsOnlyTheMainStory) {
    EXPECT_EQ(textOf({{u"Body\r", true}, {u"Footnote text\r", false}}, 5), "Body\r");
    EXPECT_EQ(textOf({{u"Body\rFoot\r", true}}, 3), "Bod");
}

TEST(Word97Reader, FieldsGiveTheirResultNotTheirCode) {
    EXPECT_EQ(textOf(u"Write \x13 HYPERLINK \"mailto:a@b.com\" \x14me\x15!\r"), "Write me!\r");
    EXPECT_EQ(textOf(u"Page \x13 PAGE \x15 of \x13 IF \x13 X \x14 1\x15 = 1 \x14yes\x15\r"), "Page  of yes\r");
    EXPECT_EQ(textOf(u"Stray \x15\x14 marks \x13 open code"), "Stray  marks ");
}

TEST(Word97Reader, SpecialCharactersTakeTheirRangeForm) {
    EXPECT_EQ(textOf(u"a\x07"
                     u"b\x07\x07"
                     u"c\x0B"
                     u"d\x0C"
                     u"e\x0E"
                     u"f\tg\u00A0h\x1Ei\x1Fj\x01\x08\x02\x05k\r"),
              "a\r\ab\r\a\r\ac\vd\fe\x0E"
              "f\tg\u00A0h\x1Ei\x1Fj\x02k\r");
}

TEST(Word97Reader, UsesTheTableStreamTheFlagNames) {
    const Word97Streams streams = word97Streams({{u"From 0Table\r", true}}, 12, 0);
    const std::string file =
        buildCompoundFile(
            {{"WordDocument", streams.wordDocument}, {"0Table", streams.table}, {"1Table", std::string(200, '\x07')}})
            .bytes;
    EXPECT_EQ(readDocumentText(file), "From 0Table\r");
    EXPECT_THAT(errorOf(word97File(streams, "1Table")), HasSubstr("table stream"));
}

TEST(Word97Reader, RefusesEncryptedDocuments) {
    const Word97Streams streams = word97Streams({{u"secret\r", true}}, 7, kUseTable1 | kEncryptedFlag);
    EXPECT_THAT(errorOf(word97File(streams)), HasSubstr("encrypted"));
}

TEST(Word97Reader, DamagedPieceTablesThrow) {
    const auto damaged = [](auto patch) {
        Word97Streams streams = word97Streams({{u"one ", true}, {u"two\r", false}}, 8);
        patch(streams);
        return word97File(streams);
    };
    const std::size_t plc = 5;  // the PlcPcd after clxt and lcb
    const std::vector<std::string> files = {
        damaged([&](Word97Streams& s) {
            put32(s.table, s.clxOffset + plc + 12 + 8 + 2, 0x3FFFFFF0);
        }),                                                                                        // fc past the stream
        damaged([&](Word97Streams& s) { put32(s.wordDocument, 0x9A + 8 * 33 + 4, 0xFFFFFFF0); }),  // lcbClx
        damaged([&](Word97Streams& s) { put32(s.table, s.clxOffset + plc + 4, 0x7FFFFFFF); }),     // CPs run backwards
        damaged([&](Word97Streams& s) { put32(s.table, s.clxOffset + 1, 0x7FFFFFF0); }),           // lcb of the Pcdt
        damaged([&](Word97Streams& s) { s.table[s.clxOffset] = '\x05'; }),                         // unknown entry
        damaged([&](Word97Streams& s) { put32(s.wordDocument, 0x40 + 12, 0x80000000); }),          // ccpText < 0
        damaged([&](Word97Streams& s) { s.wordDocument[0x98] = 3; }),  // cbRgFcLcb too small
    };
    for (std::size_t i = 0; i < files.size(); ++i) EXPECT_THROW(readDocumentText(files[i]), EngineError) << i;
}

TEST(WordBinaryDetection, OtherCompoundFilesAreNoWordDocuments) {
    const Word97Streams streams = word97Streams({{u"embedded\r", true}}, 9);
    for (const StreamList& list : std::vector<StreamList>{
             {{"Workbook", std::string(5000, 'x')}},
             {{"EncryptionInfo", "info"}, {"EncryptedPackage", std::string(5000, 'x')}},
             {{"ObjectPool/_1/WordDocument", streams.wordDocument}, {"ObjectPool/_1/1Table", streams.table}}}) {
        const std::string file = buildCompoundFile(list).bytes;
        const bool encrypted = list.size() == 2 && list[1].first == "EncryptedPackage";
        // A workbook is no Word document, but a workbook all the same (whose
        // stream here is no BIFF, so that reading it throws).
        const bool workbook = list[0].first == "Workbook";
        EXPECT_EQ(detectFormat(file), encrypted  ? Format::EncryptedPackage
                                      : workbook ? Format::ExcelBinary
                                                 : Format::Unknown);
        EXPECT_THROW(readDocumentText(file), EngineError);
    }
}

std::string word95Text(const std::string& text, const EightBitWordOptions& options) {
    return readDocumentText(buildCompoundFile({{"WordDocument", word95Stream(text, options)}}).bytes);
}

TEST(Word95Reader, ReadsContiguousAndFastSavedText) {
    // The note mark and the section break stay, as in Word 97 documents.
    const std::string story = "Caf\xE9 \x13 HYPERLINK x \x14x@example.com\x15\x02next\x07\x07\x0C";
    EXPECT_EQ(word95Text(story, {}), "Caf\u00E9 x@example.com\x02next\r\a\r\a\f");
    EXPECT_EQ(word95Text(story, {.asPieces = true}), "Caf\u00E9 x@example.com\x02next\r\a\r\a\f");
}

// Russian, Greek, Czech, Japanese and Mac documents: the code page comes
// from the language, else from the fonts' character sets.
TEST(Word95Reader, ReadsTheDocumentsCodePage) {
    struct Case {
        const char* what;
        std::string story;
        EightBitWordOptions options;
        std::string text;
    };
    const std::string cyrillicFonts = fontTable({0, 2, 204, 204}, 4);
    const std::vector<Case> cases = {
        {"Russian",
         "\xCF\xF0\xE8\xE2\xE5\xF2 ivan@\xEF\xF0\xE8\xEC\xE5\xF0.ru \x80\r",
         {.lid = 0x0419},
         "\u041F\u0440\u0438\u0432\u0435\u0442 ivan@\u043F\u0440\u0438\u043C\u0435\u0440.ru \u0402\r"},
        {"Greek",
         "\xCA\xE1\xEB\xE7\xEC\xDD\xF1\xE1 \xA2\r",
         {.lid = 0x0408, .asPieces = true},
         "\u039A\u03B1\u03BB\u03B7\u03BC\u03AD\u03C1\u03B1 \u0386\r"},
        {"Czech", "\x8A\xB9\r", {.lid = 0x0405, .asPieces = true}, "\u0160\u0105\r"},
        {"German", "\x80\r", {.lid = 0x0407}, "\u20AC\r"},
        {"Cyrillic fonts, English language", "\xEC\xE8\xF0\r", {.fontTable = cyrillicFonts}, "\u043C\u0438\u0440\r"},
        {"Cyrillic fonts, ASCII text", "mir\r", {.fontTable = cyrillicFonts}, "mir\r"},
        {"French text, one Cyrillic font",
         "Caf\xE9 \xE0 No\xEBl\r",
         {.lid = 0x040C, .fontTable = cyrillicFonts},
         "Caf\u00E9 \u00E0 No\u00EBl\r"},
        {"Western text, a Central European font",
         "Caf\xE9 \xE0 la carte\r",
         {.fontTable = fontTable({0, 238}, 4)},
         "Caf\u00E9 \u00E0 la carte\r"},
        {"Polish text, Central European fonts",
         "Mi\xB3o\x9C\xE6 \xBFycia\r",
         {.fontTable = fontTable({238, 238}, 4)},
         "Mi\u0142o\u015B\u0107 \u017Cycia\r"},
        {"Japanese, a character across pieces",
         "ab\x93\xFA\x96\x7B\r",
         {.lid = 0x0411, .asPieces = true},
         "ab\u65E5\u672C\r"},
        {"Japanese fonts, text not Shift JIS", "Caf\xE9\r", {.fontTable = fontTable({128}, 4)}, "Caf\u00E9\r"},
        {"Chinese (PRC)", "\xD6\xD0\xCE\xC4\r", {.lid = 0x0804}, "\u4E2D\u6587\r"},
        {"Mac character set", "\xC6\xF0\x8E\r", {.characterSet = 256}, "\u2206\uF8FF\u00E9\r"},
    };
    for (const Case& c : cases) EXPECT_EQ(word95Text(c.story, c.options), c.text) << c.what;
}

// Double-byte text over a MiB is decoded a piece at a time; no character is
// lost or cut at the seams.
TEST(Word95Reader, LongDoubleByteTextReadsWhole) {
    std::string story, text;
    for (int i = 0; i < 200000; ++i) {
        story += "\x93\xFA\x96\x7B\x8C\xEA ";  // 日本語
        text += "\u65E5\u672C\u8A9E ";
    }
    EXPECT_EQ(word95Text(story + "\r", {.lid = 0x0411}), text + "\r");
}

TEST(Word95Reader, AcceptsAnyIdentificationWordOnASoundHeader) {
    EXPECT_EQ(word95Text("Other writer\r", {.ident = 0x1234}), "Other writer\r");
    std::string stream = word95Stream("Other writer\r", {.ident = 0x1234});
    stream[0x1C + 2] = 0x10;  // fcMac past the stream
    EXPECT_THAT(errorOf(buildCompoundFile({{"WordDocument", stream}}).bytes), HasSubstr("not a Word document"));
}

TEST(Word95Reader, RefusesEncryptedAndDamagedDocuments) {
    EXPECT_THROW(word95Text("secret\r", {.flags = kEncryptedFlag}), EngineError);
    std::string stream = word95Stream("text\r");
    stream[0x34 + 3] = 0x10;  // ccpText far beyond the stream
    EXPECT_THROW(readDocumentText(buildCompoundFile({{"WordDocument", stream}}).bytes), EngineError);
}

// --- The stories after the main story (read with ReadOptions::allStories) ---

// Footnote, header, macro (unused), annotation, endnote, text box and
// header text box stories, in the order the text stream keeps them.
const std::u16string kMainStory = u"Main \x13 HYPERLINK \"mailto:l@example.com\" \x14Lee\x15\r";
const std::u16string kSubdocuments[] = {u"\x02 f@example.com\r", u"h@example.com\r", u"",
                                        u"\x05 c@example.com\r", u"e@example.com\r", u"t@example.com\r",
                                        u"ht@example.com\r"};
// In the order they follow the main story: notes, comments, text boxes,
// headers and footers, then mailto: links, with the HYPERLINK field's
// result as the link's name.
const std::string kWholeText =
    "Main Lee\r\x02 f@example.com\re@example.com\r c@example.com\rt@example.com\r"
    "ht@example.com\rh@example.com\r\"Lee\" <l@example.com>\r";

void putLengths(std::string& stream, std::size_t ccpText, const std::vector<std::uint32_t>& lengths) {
    for (std::size_t i = 0; i < lengths.size(); ++i)
        for (int b = 0; b < 4; ++b) stream[ccpText + 4 * i + b] = static_cast<char>((lengths[i] >> (8 * b)) & 0xFF);
}

std::vector<std::uint32_t> storyLengths() {
    std::vector<std::uint32_t> lengths{static_cast<std::uint32_t>(kMainStory.size())};
    for (const std::u16string& story : kSubdocuments) lengths.push_back(static_cast<std::uint32_t>(story.size()));
    return lengths;
}

std::u16string wholeStream() {
    std::u16string text = kMainStory;
    for (const std::u16string& story : kSubdocuments) text += story;
    return text;
}

TEST(WordBinaryStories, Word97SubdocumentsFollowTheMainStoryAndDamagedOnesReadEmpty) {
    const auto file = [](std::vector<std::uint32_t> lengths) {
        Word97Streams streams = word97Streams({{wholeStream(), false}}, lengths[0]);
        putLengths(streams.wordDocument, 0x4C, lengths);
        return word97File(streams);
    };
    EXPECT_EQ(readDocumentText(file(storyLengths())), "Main Lee\r");
    EXPECT_EQ(readDocumentText(file(storyLengths()), ReadOptions{true}), kWholeText);
    // A header story claiming far more than the text holds reads what there
    // is; the stories after it start past the end and read as empty.
    std::vector<std::uint32_t> past = storyLengths();
    past[2] = 0x7FFFFFF0;
    EXPECT_EQ(readDocumentText(file(past), ReadOptions{true}),
              "Main Lee\r\x02 f@example.com\rh@example.com\r c@example.com\re@example.com\rt@example.com\r"
              "ht@example.com\r\"Lee\" <l@example.com>\r");
}

TEST(WordBinaryStories, Word95SubdocumentsFromOneRunOrPieces) {
    std::string text;
    for (const char16_t c : wholeStream()) text += static_cast<char>(c);
    for (const bool asPieces : {false, true}) {
        std::string stream = word95Stream(text, {.asPieces = asPieces});
        putLengths(stream, 0x34, storyLengths());
        const std::string file = buildCompoundFile({{"WordDocument", stream}}).bytes;
        EXPECT_EQ(readDocumentText(file), "Main Lee\r") << asPieces;
        EXPECT_EQ(readDocumentText(file, ReadOptions{true}), kWholeText) << asPieces;
    }
    // Stored in one run, a story past the end of the stream reads as empty.
    std::string stream = word95Stream(text);
    std::vector<std::uint32_t> past = storyLengths();
    past.back() = 0x7FFFFFF0;
    putLengths(stream, 0x34, past);
    EXPECT_EQ(readDocumentText(buildCompoundFile({{"WordDocument", stream}}).bytes, ReadOptions{true}),
              "Main Lee\r\x02 f@example.com\re@example.com\r c@example.com\rt@example.com\rh@example.com\r"
              "\"Lee\" <l@example.com>\r");
}

}  // namespace
}  // namespace harvelux::wordproc
