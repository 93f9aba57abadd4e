#include "WordDocumentBuilder.h"
#include "wordproc/DocumentFile.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/FormatDispatch.h"

#include "SharedFolders.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace harvelux::wordproc {
namespace {

using namespace test;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

std::string word2Text(const std::string& story, const EightBitWordOptions& options = {}) {
    const std::string file = word2File(story, options);
    EXPECT_EQ(detectFormat(file), Format::Word2);
    return readDocumentText(file);
}

// A real Word for Windows 2.0 document: a list of delegates with their
// addresses, paragraphs ending in CR LF.
TEST(Word2Reader, ReadsARealDocument) {
    HARVELUX_REQUIRE_SHARED_FOLDER(testfiles::formatsDir());
    const std::string text = readDocumentText(readDocumentFile(testfiles::formatsDir() + "/word2.doc"));
    EXPECT_THAT(text, StartsWith("\tMember of 3GPP (ARIB)\rMr. Benni Alexander\tNokia Japan Co, Ltd\t"));
    EXPECT_THAT(text, HasSubstr("\tbenni.alexander@nokia.com\tYES  -  NO\r\r"));
    EXPECT_THAT(text, HasSubstr("Mr. Fr\u00E9d\u00E9ric Bonneau\t"));
    EXPECT_THAT(text, HasSubstr("adrian.zoicas@etsi.org\tYES  -  NO\r"));
    EXPECT_THAT(text, Not(HasSubstr("\n")));
    EXPECT_THAT(text, Not(HasSubstr("03/10/2003")));  // the page header
}

TEST(Word2Reader, ReadsContiguousAndFastSavedTextInItsCodePage) {
    const std::string story = "Caf\xE9\r\n\x13 HYPERLINK x \x14x@example.com\x15\x07\x07\r\n";
    EXPECT_EQ(word2Text(story), "Caf\u00E9\rx@example.com\r\a\r\a\r");
    EXPECT_EQ(word2Text(story, {.asPieces = true}), "Caf\u00E9\rx@example.com\r\a\r\a\r");
    EXPECT_EQ(word2Text("\xCC\xE8\xF0\r\n", {.lid = 0x0419}), "\u041C\u0438\u0440\r");
    EXPECT_EQ(word2Text("\xEC\xE8\xF0\r\n", {.fontTable = fontTable({0, 204}, 2)}), "\u043C\u0438\u0440\r");
    // A font table whose byte count was left 0 ends where the next structure
    // begins.
    std::string unsized = word2File("\xEC\xE8\xF0\r\n", {.fontTable = fontTable({0, 204}, 2)});
    const std::uint32_t fontsEnd = static_cast<std::uint8_t>(unsized[0xB2]) +
                                   (static_cast<std::uint8_t>(unsized[0xB3]) << 8) +
                                   static_cast<std::uint32_t>(fontTable({0, 204}, 2).size());
    unsized[0xB6] = unsized[0xB7] = 0;
    unsized[0xB8] = static_cast<char>(fontsEnd & 0xFF), unsized[0xB9] = static_cast<char>(fontsEnd >> 8);
    EXPECT_EQ(readDocumentText(unsized), "\u043C\u0438\u0440\r");
    // Before 2.0 the field held a locale number, not a language.
    EXPECT_EQ(word2Text("\xEC\r\n", {.lid = 0x0019}), "\u00EC\r");
}

// Footnotes and headers follow the main text; the fields after the
// annotation story's length are spare in these versions and never a story.
TEST(Word2Reader, ReadsFootnotesAndHeadersWithTheWholeDocumentOption) {
    const std::string main = "Main x@example.com\r\n", note = "\x02 f@example.com\r\n", header = "h@example.com\r\n";
    for (const bool asPieces : {false, true}) {
        std::string file = word2File(main + note + header + "spare@example.com\r\n", {.asPieces = asPieces});
        const std::uint32_t lengths[] = {
            std::uint32_t(main.size()), std::uint32_t(note.size()), std::uint32_t(header.size()), 0, 0, 19};
        for (std::size_t i = 0; i < std::size(lengths); ++i)
            for (std::size_t b = 0; b < 4; ++b) file[0x34 + 4 * i + b] = static_cast<char>(lengths[i] >> (8 * b));
        EXPECT_EQ(readDocumentText(file), "Main x@example.com\r") << asPieces;
        EXPECT_EQ(readDocumentText(file, ReadOptions{true}), "Main x@example.com\r\x02 f@example.com\rh@example.com\r")
            << asPieces;
    }
}

TEST(Word2Reader, RefusesEncryptedAndDamagedFiles) {
    const auto damaged = [](auto patch) {
        std::string file = word2File("one two\r\n", {.asPieces = true});
        patch(file);
        return file;
    };
    const std::vector<std::string> files = {
        word2File("secret\r\n", {.flags = kEncryptedFlag}),
        [] {
            std::string f = word2File("text\r\n");
            f[0x34 + 2] = 0x10;
            return f;
        }(),                                                        // ccpText past the end
        word2File("text\r\n").substr(0, 0x180),                     // cut before the text's end
        damaged([](std::string& f) { f[0x122] = '\xF0'; }),         // cbClx past the end
        damaged([](std::string& f) { f[f.size() - 3] = '\x3F'; }),  // a piece's fc past the end
        damaged([](std::string& f) { f[0x180 + 9] = '\x05'; }),     // not a CLX entry
    };
    for (std::size_t i = 0; i < files.size(); ++i) {
        EXPECT_EQ(detectFormat(files[i]), Format::Word2) << i;
        EXPECT_THROW(readDocumentText(files[i]), EngineError) << i;
    }
}

TEST(Word2Reader, OnlyASoundHeaderIsRecognised) {
    const std::string file = word2File("text\r\n");
    const std::vector<std::string> others = {
        file.substr(0, 0x30),  // cut inside the header
        [&] {
            std::string f = file;
            f[0] = 'x';
            return f;
        }(),  // another identification word
        [&] {
            std::string f = file;
            f[2] = 101;
            return f;
        }(),  // a Word 6 version number
        [&] {
            std::string f = file;
            f[0x18] = 0x10;
            f[0x19] = 0;
            return f;
        }(),  // text inside the header
    };
    for (std::size_t i = 0; i < others.size(); ++i) EXPECT_NE(detectFormat(others[i]), Format::Word2) << i;
}

}  // namespace
}  // namespace harvelux::wordproc
