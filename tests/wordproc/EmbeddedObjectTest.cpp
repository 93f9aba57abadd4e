// Objects embedded in documents, on the shared folder's files: each is a
// member only when whole documents are read, and each member is a document
// the engine reads.
#include "MemberCollector.h"
#include "SharedFolders.h"
#include "TestFiles.h"
#include "wordproc/FormatDispatch.h"
#include "wordproc/InnerDocuments.h"
#include "wordproc/container/CompoundFile.h"
#include "wordproc/container/ZipArchive.h"
#include "wordproc/odf/OdfEmbeddedObjects.h"
#include "wordproc/ooxml/OoxmlEmbeddedObjects.h"
#include "wordproc/rtf/RtfObjects.h"
#include "wordproc/word/WordObjectPool.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace harvelux::wordproc {
namespace {

const ReadOptions kWhole{.allStories = true};

std::string containerFile(const std::string& name) {
    return testfiles::readFile(testfiles::containersDir() + "/" + name);
}

// The formats of the members, in order.
std::vector<Format> memberFormats(const test::MemberCollector& sink) {
    std::vector<Format> formats;
    for (const auto& member : sink.members) formats.push_back(detectFormat(member.second));
    return formats;
}

TEST(EmbeddedObjects, DocxEmbeddingsAreMembersOfTheWholeDocument) {
    HARVELUX_REQUIRE_SHARED_FOLDER(testfiles::containersDir());
    const std::string bytes = containerFile("testWORD_EMFAndAttachments.docx");
    const ZipArchive zip(bytes);
    test::MemberCollector mainOnly;
    listOoxmlEmbeddedObjects(zip, {}, mainOnly);
    EXPECT_TRUE(mainOnly.members.empty());

    test::MemberCollector sink;
    listOoxmlEmbeddedObjects(zip, kWhole, sink);
    EXPECT_TRUE(sink.failures.empty());
    const std::vector<Format> formats = memberFormats(sink);
    for (const Format wanted : {Format::Ooxml, Format::PlainText, Format::Pdf})
        EXPECT_NE(std::find(formats.begin(), formats.end(), wanted), formats.end()) << static_cast<int>(wanted);
}

TEST(EmbeddedObjects, WordObjectPoolStoragesAreMembers) {
    HARVELUX_REQUIRE_SHARED_FOLDER(testfiles::containersDir());
    const std::string bytes = containerFile("testWORD_embeded.doc");
    const CompoundFile file(bytes);
    test::MemberCollector sink;
    listWordObjectPool(file, kWhole, sink);
    EXPECT_TRUE(sink.failures.empty());
    ASSERT_EQ(sink.members.size(), 3u);
    const std::vector<Format> formats = memberFormats(sink);
    EXPECT_NE(std::find(formats.begin(), formats.end(), Format::Ooxml), formats.end());
    // The workbook and the presentation come out as compound files of their
    // own, with their streams.
    std::size_t compound = 0;
    for (const auto& member : sink.members) {
        if (!CompoundFile::hasSignature(member.second)) continue;
        ++compound;
        const CompoundFile object(member.second);
        EXPECT_TRUE(object.find(u"Workbook") || object.find(u"PowerPoint Document")) << member.first;
    }
    EXPECT_EQ(compound, 2u);
}

TEST(EmbeddedObjects, OpenDocumentObjectsAreMembersOfTheWholeDocument) {
    HARVELUX_REQUIRE_SHARED_FOLDER(testfiles::corpusDir());
    struct Case {
        std::string file;
        std::vector<std::string> names;  // the members, in the package's order
        std::vector<Format> formats;
    };
    const Case cases[] = {
        // A spreadsheet and a formula: the formula is no document to read.
        {testfiles::corpusDir() + "/tika/testODFwithOOo3.odt", {"Object 1"}, {Format::OpenDocumentSpreadsheet}},
        // A PDF and a text file in OLE objects, a Word package turned into a
        // text sub-document, and the package itself kept beside it.
        {HARVELUX_TEST_DATA_DIR "/embedded/objects.odt",
         {"Obj101", "Object 1", "Obj102", "TestText.txt"},
         {Format::Pdf, Format::OpenDocument, Format::Ooxml, Format::PlainText}},
    };
    for (const Case& c : cases) {
        const std::string bytes = testfiles::readFile(c.file);
        const ZipArchive zip(bytes);
        test::MemberCollector mainOnly;
        listOpenDocumentObjects(zip, {}, mainOnly);
        EXPECT_TRUE(mainOnly.members.empty()) << c.file;
        test::MemberCollector sink;
        listOpenDocumentObjects(zip, kWhole, sink);
        EXPECT_TRUE(sink.failures.empty()) << c.file;
        EXPECT_EQ(sink.names(), c.names) << c.file;
        EXPECT_EQ(memberFormats(sink), c.formats) << c.file;
    }
}

TEST(EmbeddedObjects, AnOpenDocumentSubDocumentIsReadAsADocument) {
    HARVELUX_REQUIRE_SHARED_FOLDER(testfiles::corpusDir());
    const DocumentTree tree =
        readDocumentTree(testfiles::readFile(testfiles::corpusDir() + "/tika/testODFwithOOo3.odt"), kWhole);
    ASSERT_EQ(tree.inner.size(), 1u);
    EXPECT_EQ(tree.inner[0].name, "Object 1");
    EXPECT_TRUE(tree.inner[0].read) << tree.inner[0].error;
    EXPECT_NE(tree.inner[0].text.find("three embedded"), std::string::npos);
}

TEST(EmbeddedObjects, RtfObjectsAreMembersOfTheWholeDocument) {
    HARVELUX_REQUIRE_SHARED_FOLDER(testfiles::corpusDir());
    const std::string bytes = testfiles::readFile(testfiles::corpusDir() + "/tika/testRTFEmbeddedFiles.rtf");
    test::MemberCollector mainOnly;
    listRtfObjects(bytes, {}, mainOnly);
    EXPECT_TRUE(mainOnly.members.empty());
    test::MemberCollector sink;
    listRtfObjects(bytes, kWhole, sink);
    EXPECT_TRUE(sink.failures.empty());
    // Word, Excel and PowerPoint objects, a PDF, and OLE packages of a ZIP,
    // an HTML page, a picture and an Outlook message, in the document's order.
    using enum Format;
    const std::vector<Format> formats = {
        WordBinary, SpreadsheetML,    Archive,        Html,       Picture,    ExcelBinary, OutlookMessage,
        Pdf,        PowerPointBinary, PresentationML, WordBinary, WordBinary, Ooxml,       Picture};
    EXPECT_EQ(memberFormats(sink), formats);
    ASSERT_EQ(sink.members.size(), formats.size());
    EXPECT_EQ(sink.members[0].first, "object 1");
    EXPECT_EQ(sink.members[3].first.substr(0, 11), "testHTML_ut");
}

// The OLE 1 header of one object: its kind (2 embedded, 1 linked), class
// name, topic, item and native data.
std::string ole1Object(std::uint32_t kind, const std::string& className, const std::string& native,
                       std::uint32_t classLength) {
    const auto le32 = [](std::uint32_t value) {
        std::string out;
        for (int i = 0; i < 4; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
        return out;
    };
    return le32(0x0501) + le32(kind) + le32(classLength) + className + '\0' + le32(0) + le32(0) +
           le32(static_cast<std::uint32_t>(native.size())) + native;
}

TEST(EmbeddedObjects, RtfObjectHeadersAreBoundsChecked) {
    const std::string package = std::string("\x02\x00", 2) + "a.txt" + '\0' + "C:\\a.txt" + '\0' +
                                std::string("\x00\x00\x03\x00", 4) + std::string("\x01\x00\x00\x00", 4) + "x" +
                                std::string("\x0c\x00\x00\x00", 4) + "me@example.o";
    struct Case {
        const char* what;
        std::string objdata;
        bool throws;
        std::string name;  // "" when no document is handed on
        std::string bytes;
    };
    const Case cases[] = {
        {"a package", ole1Object(2, "Package", package, 8), false, "a.txt", "me@example.o"},
        {"a linked object", ole1Object(1, "Package", package, 8), false, "", ""},
        {"class name past the end", ole1Object(2, "Package", package, 0x7FFFFFF0), true, "", ""},
        {"native data cut short", ole1Object(2, "Package", package, 8).substr(0, 40), true, "", ""},
        {"package size past its data", ole1Object(2, "Package", package.substr(0, package.size() - 3), 8), true, "",
         ""},
    };
    for (const Case& c : cases) {
        if (c.throws) {
            EXPECT_THROW(rtfObjectDocument(c.objdata, "object 1"), EngineError) << c.what;
            continue;
        }
        const std::optional<EmbeddedDocument> object = rtfObjectDocument(c.objdata, "object 1");
        EXPECT_EQ(object ? object->name : "", c.name) << c.what;
        EXPECT_EQ(object ? object->bytes : "", c.bytes) << c.what;
    }
}

}  // namespace
}  // namespace harvelux::wordproc
