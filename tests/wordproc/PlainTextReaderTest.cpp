#include "wordproc/BuiltInEngine.h"
#include "wordproc/FormatDispatch.h"
#include "wordproc/plain/PlainTextReader.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {

using namespace harvelux;
using wordproc::readPlainText;

TEST(PlainTextReader, EncodingsAndLineEnds) {
    EXPECT_EQ(readPlainText("a\r\nb\nc\rd\n\n"), "a\rb\rc\rd\r\r");
    EXPECT_EQ(readPlainText("\xEF\xBB\xBF"
                            "caf\xC3\xA9\r\n"),
              "caf\xC3\xA9\r");
    EXPECT_EQ(readPlainText(std::string("\xFF\xFEh\0i\0\r\0\n\0\x3D\xD8\x00\xDE", 14)), "hi\r\xF0\x9F\x98\x80");
    EXPECT_EQ(readPlainText(std::string("\xFE\xFF\0h\0\n", 6)), "h\r");
    // UTF-16 without a byte-order mark: every other byte of its start is zero.
    EXPECT_EQ(readPlainText(std::string("h\0i\0\r\0\n\0\xE9\0", 10)), "hi\r\xC3\xA9");
    EXPECT_EQ(readPlainText(std::string("\0h\0i\0\n", 6)), "hi\r");
    // Not UTF-8: Windows-1252.
    EXPECT_EQ(readPlainText("caf\xE9 \x80 \x93q\x94"), "caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D");
}

TEST(PlainTextReader, BinaryIsNotText) {
    EXPECT_TRUE(wordproc::looksLikePlainText(""));
    EXPECT_TRUE(wordproc::looksLikePlainText("plain\ttext\f\r\n"));
    // At most two, or at most 1%, control characters, NUL counted.
    EXPECT_TRUE(wordproc::looksLikePlainText(std::string("ab\0cd", 5)));
    EXPECT_TRUE(wordproc::looksLikePlainText(std::string("Write to x@example.com\0 today, thank you all!\n", 45)));
    EXPECT_TRUE(wordproc::looksLikePlainText(std::string("\x01\x02", 2)));
    EXPECT_FALSE(wordproc::looksLikePlainText(std::string("ab\0c\0d\0", 7)));
    EXPECT_TRUE(wordproc::looksLikePlainText(std::string(99, 'a') + '\0'));
    EXPECT_TRUE(wordproc::looksLikePlainText(std::string(98, 'a') + std::string(2, '\0')));
    EXPECT_FALSE(wordproc::looksLikePlainText(std::string(197, 'a') + std::string(3, '\0')));
    EXPECT_FALSE(wordproc::looksLikePlainText(std::string(10, '\x01') + std::string(100, 'a')));
    std::string utf16(200, '\0');
    for (std::size_t i = 0; i < utf16.size(); i += 2) utf16[i] = 'a';
    EXPECT_TRUE(wordproc::looksLikePlainText(utf16));
    utf16[0] = utf16[2] = utf16[4] = '\x01';
    EXPECT_FALSE(wordproc::looksLikePlainText(utf16));
    EXPECT_EQ(wordproc::detectFormat(std::string("\x01\x02\x03\x04\x05", 5)), wordproc::Format::Unknown);
}

TEST(DocumentEngine, OneInstanceOneDocument) {
    testfiles::TempDir dir;
    testfiles::writeFile(dir.file("a.txt"), "hello\n");
    wordproc::BuiltInEngineFactory factory;
    auto word = factory.create();
    auto document = word->open(dir.file("a.txt"));
    EXPECT_EQ(document->content().text(), "hello\r");
    document->close();
    EXPECT_THROW(document->content(), wordproc::EngineError);
    word->quit();
    EXPECT_THROW(word->open(dir.file("a.txt")), wordproc::EngineError);
    EXPECT_THROW(factory.create()->open(dir.path()), wordproc::EngineError);
}

}  // namespace
