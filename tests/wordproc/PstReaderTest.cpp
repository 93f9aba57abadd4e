// The mail store reader on the shared folder's .pst: its four messages in
// folder order, with their senders and subjects.
#include "wordproc/outlook/PstReader.h"

#include "MemberCollector.h"
#include "SharedFolders.h"
#include "TestFiles.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/FormatDispatch.h"

#include <gtest/gtest.h>

namespace harvelux::wordproc {
namespace {

TEST(PstReader, ReadsEveryMessageOfTheStore) {
    HARVELUX_REQUIRE_SHARED_FOLDER(testfiles::containersDir());
    const std::string bytes = testfiles::readFile(testfiles::containersDir() + "/testPST_variousBodyTypes.pst");
    EXPECT_EQ(detectFormat(bytes), Format::MailStore);
    const std::string text = readDocumentText(bytes);
    std::size_t messages = 0;
    // Each message's text starts with its sender's line.
    const std::string sender = "Allison, Timothy B. <";
    for (std::size_t at = text.find(sender); at != std::string::npos; at = text.find(sender, at + 1))
        messages += at == 0 || text[at - 1] == '\r' ? 1 : 0;
    EXPECT_EQ(messages, 4u) << text;
    EXPECT_NE(text.find("tallison@mitre.org"), std::string::npos);
    test::MemberCollector sink;
    EXPECT_NO_THROW(listPstMembers(bytes, sink));
}

TEST(PstReader, RefusesADamagedStore) {
    EXPECT_THROW(readPstText(std::string("!BDN") + std::string(600, '\0')), EngineError);
}

}  // namespace
}  // namespace harvelux::wordproc
