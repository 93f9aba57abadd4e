// Objects embedded in documents, on the shared folder's files: each is a
// member only when whole documents are read, and each member is a document
// the engine reads.
#include "MemberCollector.h"
#include "SharedFolders.h"
#include "TestFiles.h"
#include "wordproc/FormatDispatch.h"
#include "wordproc/container/CompoundFile.h"
#include "wordproc/container/ZipArchive.h"
#include "wordproc/ooxml/OoxmlEmbeddedObjects.h"
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

}  // namespace
}  // namespace harvelux::wordproc
