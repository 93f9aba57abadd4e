#include "wordproc/DocumentFile.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/FormatDispatch.h"
#include "wordproc/container/CompoundFile.h"

#include "SharedFolders.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace harvelux::wordproc {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

const fs::path kCorpus = testfiles::corpusDir();

std::string corpusText(const std::string& relative) {
    return readDocumentText(readDocumentFile((kCorpus / relative).string()));
}

// Every .doc and .dot, and every compound file whatever its name, is read
// or refused with EngineError: never a crash or another exception.
TEST(WordBinaryCorpus, EveryBinaryDocumentReadsOrFailsCleanly) {
    HARVELUX_REQUIRE_SHARED_FOLDER(kCorpus.string());
    std::size_t read = 0, refused = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kCorpus)) {
        if (!entry.is_regular_file()) continue;
        std::string ext = entry.path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
        const std::string bytes = readDocumentFile(entry.path().string());
        if (ext != ".doc" && ext != ".dot" && !CompoundFile::hasSignature(bytes)) continue;
        try {
            (void)readDocumentText(bytes);
            ++read;
        } catch (const EngineError&) {
            ++refused;
        }
    }
    EXPECT_GE(read, 65u);
    EXPECT_LE(refused, 10u);
}

TEST(WordBinaryCorpus, ReadsWhatLibreOfficeReads) {
    HARVELUX_REQUIRE_SHARED_FOLDER(kCorpus.string());
    EXPECT_THAT(corpusText("tika/testWORD6.doc"), HasSubstr("The quick brown fox jumps over the lazy dog\r"));
    EXPECT_THAT(corpusText("word-extractor/bigfile-01.doc"), HasSubstr("paul@sustainableGIS.com"));
    EXPECT_THAT(corpusText("word-extractor/test07.doc"), HasSubstr("innovation@rgu.ac.uk"));
    EXPECT_THAT(corpusText("tika/testException1.doc"), HasSubstr("access@dsc.wa.gov.au"));
    // Fast-saved, 16-bit text.
    EXPECT_THAT(corpusText("word-extractor/test11.doc"),
                HasSubstr("\u8FD9\u662F\u4E00\u4E2A\u7528\u6765\u6D4B\u8BD5nodejs\u89E3\u6790Word\u6587\u6863.doccccc\r"
                          "This is a test for parsing the Word file in node.\r"));
    // Thirteen pieces, 8- and 16-bit.
    EXPECT_THAT(corpusText("tika/testException2.doc"), HasSubstr("PURPOSE: To study the force exerted"));
}

TEST(WordBinaryCorpus, EncryptedAndCutOffDocumentsAreRefused) {
    HARVELUX_REQUIRE_SHARED_FOLDER(kCorpus.string());
    try {
        corpusText("tika/testWORD_protected_passtika.doc");
        ADD_FAILURE() << "read an encrypted document";
    } catch (const EngineError& error) {
        EXPECT_THAT(error.what(), HasSubstr("encrypted"));
    }
    EXPECT_THROW(corpusText("tika/protected_normal_case.docx"), EngineError);
    EXPECT_THROW(corpusText("word-extractor/badfile-01-bad-header.doc"), EngineError);
}

// A fast-saved Word 6/95 document whose header says its characters are
// 16-bit: every piece is read, in order, two bytes a character.
TEST(WordBinaryCorpus, WideWord95PiecesAreReadWhole) {
    const std::string formats = testfiles::formatsDir();
    HARVELUX_REQUIRE_SHARED_FOLDER(formats);
    const std::string text = readDocumentText(readDocumentFile(formats + "/Bug51944.doc"));
    EXPECT_THAT(text, ::testing::StartsWith("\r\r\rBy Post and Fax (5555 5555)\r"));
    EXPECT_THAT(text, HasSubstr("with you in your office this morning.\r"));
    EXPECT_THAT(text, HasSubstr("Yours faithfully"));
    EXPECT_EQ(text.find('\0'), std::string::npos);
    std::size_t words = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        words +=
            static_cast<unsigned char>(text[i]) > ' ' && (i == 0 || static_cast<unsigned char>(text[i - 1]) <= ' ');
    EXPECT_GE(words, 500u);
}

}  // namespace
}  // namespace harvelux::wordproc
