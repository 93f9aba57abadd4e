// The Outlook message reader on the shared folder's .msg files, and the
// compressed RTF decompressor.
#include "wordproc/outlook/OutlookMessage.h"

#include "MemberCollector.h"
#include "SharedFolders.h"
#include "TestFiles.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/FormatDispatch.h"
#include "wordproc/container/CompoundFile.h"
#include "wordproc/outlook/OutlookCompressedRtf.h"

#include <gtest/gtest.h>

namespace harvelux::wordproc {
namespace {

std::string containerFile(const std::string& name) {
    return testfiles::readFile(testfiles::containersDir() + "/" + name);
}

TEST(OutlookCompressedRtf, DecompressesTheDocumentedExample) {
    static constexpr char kExample[] =
        "#\x00\x00\x00\"\x00\x00\x00LZFu3\\\xe8t\x03\x00\n\x00rcpg125\x92\x32\n\xf3 t\x07\x90t}\x0f\x10";
    const std::string compressed(kExample, sizeof kExample - 1);
    EXPECT_EQ(decompressOutlookRtf(compressed), "{\\rtf1\\ansi\\ansicpg1252\\pard test}");
}

TEST(OutlookCompressedRtf, RefusesAnUnknownKindAndACutHeader) {
    EXPECT_THROW(decompressOutlookRtf(std::string(16, 'x')), EngineError);
    EXPECT_THROW(decompressOutlookRtf(std::string(14, '\0')), EngineError);
}

// Each attachment is a member named by its file name and readable as a
// document; an attached message is itself an Outlook message.
TEST(OutlookMessage, ReadsTheSharedMessagesAndTheirAttachments) {
    HARVELUX_REQUIRE_SHARED_FOLDER(testfiles::containersDir());
    struct Case {
        const char* file;
        std::vector<std::string> extensions;  // of the members, in order
    };
    for (const Case& each :
         {Case{"testMSG_att_doc.msg", {".doc", ".txt"}}, Case{"testMSG_att_msg.msg", {".msg", ".pdf"}}}) {
        SCOPED_TRACE(each.file);
        const std::string bytes = containerFile(each.file);
        EXPECT_EQ(detectFormat(bytes), Format::OutlookMessage);
        const std::string text = readDocumentText(bytes);
        EXPECT_NE(text.find('@'), std::string::npos) << text;
        EXPECT_NE(text.find('<'), std::string::npos) << text;

        const CompoundFile file(bytes);
        test::MemberCollector sink;
        listOutlookMessageMembers(file, sink);
        EXPECT_TRUE(sink.failures.empty());
        ASSERT_EQ(sink.members.size(), each.extensions.size());
        for (std::size_t i = 0; i < each.extensions.size(); ++i) {
            const std::string& name = sink.members[i].first;
            EXPECT_TRUE(name.ends_with(each.extensions[i])) << name;
            EXPECT_NO_THROW((void)readDocumentText(sink.members[i].second)) << name;
        }
    }
}

TEST(OutlookMessage, AnAttachedMessageIsReadAsAMessage) {
    HARVELUX_REQUIRE_SHARED_FOLDER(testfiles::containersDir());
    const std::string bytes = containerFile("testMSG_att_msg.msg");  // the file reads from these bytes
    const CompoundFile file(bytes);
    test::MemberCollector sink;
    listOutlookMessageMembers(file, sink);
    ASSERT_FALSE(sink.members.empty());
    EXPECT_EQ(detectFormat(sink.members[0].second), Format::OutlookMessage);
    EXPECT_NE(readDocumentText(sink.members[0].second).find('@'), std::string::npos);
}

}  // namespace
}  // namespace harvelux::wordproc
