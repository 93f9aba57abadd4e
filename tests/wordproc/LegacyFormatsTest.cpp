// WordPerfect and Works documents, read through the legacy reader module as
// the programs read them, whole and damaged; and the range form the module
// gives what the libraries report.
#include "wordproc/DocumentFile.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/FormatDispatch.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/legacy/LegacySignature.h"
#include "wordproc/legacy/LegacyTextSink.h"
#include "wordproc/module/LegacyModule.h"
#include "wordproc/text/TextBuilder.h"

#include "SharedFolders.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace harvelux::wordproc {
namespace {

std::string legacyFile(const std::string& name) { return readDocumentFile(HARVELUX_TEST_DATA_DIR "/legacy/" + name); }

struct RealDocument {
    const char* file;
    const char* expected;  // a passage of its main text
};

const RealDocument kDocuments[] = {
    {"wordperfect42.doc", "\rSluwe Sjaantje sloeg de slome slager\r"},
    {"wordperfect6.wpd", "APPENDIX \u2018A\u2019\r\rAND FURTHER\r"},
    {"works2000.wps", "This is an example document made with Microsoft Works Word Processor 7.0\r"},
    {"works4.wps", "This is an example document made with Microsoft Works Word Processor 7.0\r"},
};

TEST(LegacyFormats, RealDocumentsAreRecognisedAndReadInRangeForm) {
    for (const RealDocument& document : kDocuments) {
        SCOPED_TRACE(document.file);
        const std::string bytes = legacyFile(document.file);
        EXPECT_EQ(detectFormat(bytes), Format::OldWordProcessor);
        EXPECT_NE(readDocumentText(bytes).find(document.expected), std::string::npos);
    }
}

// The module keeps its own copies of the engine's thread state; the reading
// thread's work budget (here spent by the time the module starts) and text
// cap still hold inside it.
TEST(LegacyFormats, TheReadingThreadsBudgetAndTextCapHoldInTheModule) {
    const std::string bytes = legacyFile("wordperfect6.wpd");
    const auto refusal = [&bytes]() -> std::string {
        try {
            readDocumentText(bytes);
            return "read";
        } catch (const EngineError& error) {
            return error.reason() == UnreadableReason::TooLarge ? "too large" : error.what();
        }
    };
    std::chrono::steady_clock::time_point now{};
    {
        const WorkBudget budget({std::chrono::seconds(30), [&now] { return now += std::chrono::minutes(1); }});
        EXPECT_EQ(refusal(), "too slow to read");
    }
    {
        const TextLimitScope cap(10);
        EXPECT_EQ(refusal(), "too large");
    }
    EXPECT_EQ(refusal(), "read");
}

// Cut short, overwritten or scrambled, a document is read or refused with
// EngineError; the sanitizer build sees anything worse.
TEST(LegacyFormats, DamagedDocumentsAreReadOrRefused) {
    std::mt19937 random(14);
    for (const RealDocument& document : kDocuments) {
        const std::string whole = legacyFile(document.file);
        std::vector<std::string> damaged;
        for (const std::size_t keep : {std::size_t{5}, std::size_t{64}, whole.size() / 3, whole.size() - 1}) {
            damaged.push_back(whole.substr(0, keep));
        }
        for (int round = 0; round < 12; ++round) {
            std::string bytes = whole;
            for (int flip = 0; flip < 1 + round * 4; ++flip) {
                bytes[random() % bytes.size()] = static_cast<char>(random());
            }
            damaged.push_back(bytes);
        }
        std::string zeroedTail = whole;
        std::fill(zeroedTail.begin() + static_cast<std::ptrdiff_t>(whole.size() / 2), zeroedTail.end(), '\0');
        damaged.push_back(zeroedTail);
        for (const std::string& bytes : damaged) {
            SCOPED_TRACE(std::string(document.file) + ", " + std::to_string(bytes.size()) + " bytes");
            try {
                readDocumentText(bytes);
            } catch (const EngineError&) {}
        }
    }
}

// A header alone is not a document: the library's own check refuses what
// the cheap signature let through, and the message names the format.
TEST(LegacyFormats, HostileHeadersAreRefusedWithTheFormatsName) {
    const struct {
        std::string bytes;
        LegacyFamily family;
    } cases[] = {
        {std::string("\xFFWPC\x10\0\0\0\x01\x0A\x02\x01", 12) + std::string(64, '\xFF'), LegacyFamily::WordPerfect},
        {std::string("\x01\xFE\0\x80\0", 5) + std::string(99, '\x7F'), LegacyFamily::Works},
        {std::string("\xFE\x37\x00\x1C", 4) + std::string(300, '\0'), LegacyFamily::Mac},
        {std::string("\0\0BOBOBOBO\0", 11) + std::string(99, '\xEE'), LegacyFamily::Mac},
    };
    // Each holds three control bytes or more, so none reads as a short text.
    for (const auto& hostile : cases) {
        EXPECT_EQ(detectFormat(hostile.bytes), Format::OldWordProcessor);
        try {
            readLegacyThroughModule(hostile.family, hostile.bytes);
        } catch (const EngineError& error) {
            EXPECT_NE(std::string(error.what()).find("document"), std::string::npos) << error.what();
        }
    }
}

// libwpd allocates the size a WordPerfect 5 graphics packet gives each
// picture before reading it: 3.9 GB for this file of 43 kB (found by
// fuzz_legacy). It is refused before libwpd sees it; real WordPerfect 5
// documents, pictures and all, are still read.
TEST(LegacyFormats, PicturesLargerThanTheFileAreRefusedBeforeLibwpdAllocatesThem) {
    const std::string hostile = readDocumentFile(HARVELUX_REGRESSIONS_DIR "/legacy/libwpd-4gb-allocation.bin");
    try {
        readLegacyThroughModule(LegacyFamily::WordPerfect, hostile);
        FAIL() << "the document was read";
    } catch (const EngineError& error) {
        EXPECT_NE(std::string(error.what()).find("larger than the file"), std::string::npos) << error.what();
    }
    HARVELUX_REQUIRE_SHARED_FOLDER(testfiles::formatsDir());
    for (const char* name : {"testWordPerfect_5_0.wp", "testWordPerfect_5_1.wp"})
        EXPECT_FALSE(
            readLegacyThroughModule(LegacyFamily::WordPerfect, readDocumentFile(testfiles::formatsDir() + "/" + name))
                .main.empty())
            << name;
}

// Each signature leads to the library family that reads the format.
TEST(LegacyFormats, SignaturesPickTheLibraryFamily) {
    const std::string zeros(64, '\0');
    const struct {
        std::string bytes;
        LegacyFamily family;
    } cases[] = {
        {"\xFFWPC" + zeros, LegacyFamily::WordPerfect},
        {"WriteNow" + zeros, LegacyFamily::Mac},
        {std::string("\x02\0\0\0BOBO", 8) + zeros, LegacyFamily::Mac},  // ClarisWorks
        {std::string("\xFE\x37\0\x23", 4) + zeros, LegacyFamily::Mac},  // Word 5 for the Mac
        {std::string("\0\x06", 2) + zeros, LegacyFamily::Mac},          // MacWrite
        {std::string("\x31\xBE\0\0", 4) + zeros, LegacyFamily::Works},  // Write
        {std::string("\x03\xFE", 2) + zeros, LegacyFamily::Works},      // Works for DOS
        {legacyFile("wordperfect42.doc"), LegacyFamily::WordPerfect},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(testing::PrintToString(each.bytes.substr(0, 8)));
        const LegacyFamily distinct = distinctLegacyFamily(each.bytes);
        EXPECT_EQ(distinct != LegacyFamily::None ? distinct : weakLegacyFamily(each.bytes), each.family);
        EXPECT_EQ(detectFormat(each.bytes), Format::OldWordProcessor);
    }
}

// Text that merely has Windows-1252 letters, or binary data with the odd
// matched byte, is not taken for WordPerfect 4.2.
TEST(LegacyFormats, WeakSignaturesLeaveOtherFilesAlone) {
    EXPECT_EQ(detectFormat("Caf\xE9 cr\xE8me br\xFBl\xE9\x65 et r\xE9sum\xE9\r\n"), Format::PlainText);
    EXPECT_EQ(weakLegacyFamily(std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0", 16)), LegacyFamily::None);
    EXPECT_EQ(weakLegacyFamily(std::string(40, '\0')), LegacyFamily::None);
}

// What the libraries report, in the range form of a main story, with the
// side stories apart.
TEST(LegacyFormats, CollectorGivesRangeFormAndKeepsSideStoriesApart) {
    LegacyTextSink c;
    librevenge::RVNGPropertyList none;
    librevenge::RVNGPropertyList pageBreak;
    pageBreak.insert("fo:break-before", "page");
    librevenge::RVNGPropertyList mailto;
    mailto.insert("xlink:href", "mailto:side@example.org");

    c.openHeader(none);
    c.openParagraph(none), c.insertText("Header"), c.closeParagraph();
    c.closeHeader();
    c.openParagraph(none), c.insertText("One"), c.insertTab(), c.insertText("two"), c.insertLineBreak();
    c.openLink(mailto), c.insertText("write"), c.closeLink();
    c.openFootnote(none);
    c.openParagraph(none), c.insertText("Note"), c.closeParagraph();
    c.closeFootnote();
    c.closeParagraph();
    c.openTable(none), c.openTableRow(none);
    c.openTableCell(none), c.openParagraph(none), c.insertText("a"), c.closeParagraph(), c.closeTableCell();
    c.openTableCell(none), c.closeTableCell();
    c.closeTableRow(), c.closeTable();
    c.openParagraph(pageBreak), c.insertText("Next"), c.insertSpace(), c.insertText("page"), c.closeParagraph();
    c.rethrow();

    EXPECT_EQ(c.takeMain(), "One\ttwo\vwrite\x02\ra\r\a\r\a\r\a\fNext page\r");
    EXPECT_EQ(c.takeOthers(), "Header\rNote\rmailto:side@example.org\r");
}

// Every document of the shared folder of older formats is read, word2.doc
// (Word for Windows 2) by its own reader.
TEST(LegacyFormats, SharedFolderOfOlderFormatsIsRead) {
    const std::string folder = testfiles::formatsDir();
    HARVELUX_REQUIRE_SHARED_FOLDER(folder);
    std::size_t read = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string extension = entry.path().extension().string();
        if (extension == ".md" || extension == ".tsv") continue;
        SCOPED_TRACE(entry.path().filename().string());
        const std::string bytes = readDocumentFile(entry.path().string());
        EXPECT_NO_THROW(readDocumentText(bytes));
        ++read;
    }
    EXPECT_GE(read, 10u);
}

}  // namespace
}  // namespace harvelux::wordproc
