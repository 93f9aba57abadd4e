// The mail store reader: the shared folder's .pst read in the reader process,
// its messages inner documents in folder order; a store on which libpst
// crashes, a reader that never finishes and a reader's output broken in
// each way, all ending as an unreadable store while the test goes on.
#include "wordproc/outlook/PstReader.h"

#include "MemberCollector.h"
#include "SharedFolders.h"
#include "TestFiles.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/FormatDispatch.h"
#include "wordproc/InnerDocuments.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/module/ModuleLoader.h"
#include "wordproc/module/ReaderProcess.h"
#include "wordproc/outlook/PstStream.h"

#include <gtest/gtest.h>

#include <thread>

namespace harvelux::wordproc {
namespace {

std::string storeBytes() { return testfiles::readFile(testfiles::containersDir() + "/testPST_variousBodyTypes.pst"); }

TEST(PstReader, ReadsEachMessageAsAnInnerDocumentInFolderOrder) {
    HARVELUX_REQUIRE_SHARED_FOLDER(testfiles::containersDir());
    const std::string bytes = storeBytes();
    EXPECT_EQ(detectFormat(bytes), Format::MailStore);
    const DocumentTree tree = readDocumentTree(bytes, {});
    EXPECT_EQ(tree.text, "");
    std::vector<std::string> names;
    for (const InnerDocument& inner : tree.inner) {
        names.push_back(inner.name);
        EXPECT_TRUE(inner.read) << inner.name << ": " << inner.error;
        // Each message's text starts with its sender's line.
        EXPECT_EQ(inner.text.rfind("Allison, Timothy B. <", 0), 0u) << inner.name << ": " << inner.text;
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Inbox/tmp/message 1", "Inbox/tmp/message 2", "Inbox/tmp/message 3",
                                               "Inbox/tmp/message 4"}));
    ASSERT_EQ(tree.inner.size(), 4u);
    EXPECT_NE(tree.inner[0].text.find("This is the original email"), std::string::npos);
    EXPECT_NE(tree.inner[1].text.find("tallison@mitre.org"), std::string::npos);
}

TEST(PstReader, AnAttachedMessageIsReadWithItsAttachments) {
    // No shared store holds an attached message: the reader's records for one.
    namespace r = pst_record;
    std::string stream;
    for (const auto& [tag, payload] :
         std::vector<std::pair<char, std::string>>{{r::kMessage, "Inbox"},
                                                   {r::kSenderAddress, "outer@example.org"},
                                                   {r::kAttachedMessage, "Re: offer"},
                                                   {r::kSenderAddress, "inner@example.org"},
                                                   {r::kAttachment, "note.txt"},
                                                   {r::kAttachmentData, "write to note@example.org"},
                                                   {r::kUnreadableAttachment, "lost.pdf"},
                                                   {r::kEnd, ""},
                                                   {r::kEnd, ""},
                                                   {r::kStoreEnd, ""}})
        appendPstRecord(stream, tag, payload);
    test::MemberCollector sink;
    listPstStreamMembers(stream, 1 << 20, sink);
    ASSERT_EQ(sink.names(), std::vector<std::string>{"Inbox/message 1"});
    EXPECT_EQ(sink.failures, (std::vector<std::pair<std::string, UnreadableReason>>{
                                 {"Inbox/message 1::Re: offer.msg::lost.pdf", UnreadableReason::Damaged}}));
    const DocumentTree tree = readDocumentTree(sink.members[0].second, {});
    EXPECT_NE(tree.text.find("outer@example.org"), std::string::npos) << tree.text;
    std::string shown;
    for (const InnerDocument& inner : tree.inner) shown += inner.name + ": " + inner.text + "\n";
    EXPECT_NE(shown.find("Re: offer.msg: inner@example.org"), std::string::npos) << shown;
    EXPECT_NE(shown.find("Re: offer.msg::note.txt: write to note@example.org"), std::string::npos) << shown;
}

TEST(PstReader, AStoreThatCrashesLibpstIsDamagedAndTheProgramGoesOn) {
    const std::string bytes =
        testfiles::readFile(std::string(HARVELUX_REGRESSIONS_DIR) + "/outlook_pst/libpst-parse-item-segv.pst");
    test::MemberCollector sink;
    try {
        listPstMembers(bytes, sink);
        FAIL() << "the store was read";
    } catch (const EngineError& error) {
        // A crash (a sanitizer build's reader exits with its report instead).
        EXPECT_EQ(error.reason(), UnreadableReason::Damaged) << error.what();
        EXPECT_NE(std::string(error.what()).find("the reader"), std::string::npos) << error.what();
    }
}

TEST(PstReader, SeveralWorkersReadStoresAtOnce) {
    HARVELUX_REQUIRE_SHARED_FOLDER(testfiles::containersDir());
    const std::string bytes = storeBytes();
    std::vector<std::size_t> messages(4);
    std::vector<std::thread> workers;
    for (std::size_t& count : messages)
        workers.emplace_back([&bytes, &count] {
            for (int round = 0; round < 5; ++round) {
                test::MemberCollector sink;
                listPstMembers(bytes, sink);
                count += sink.members.size();
            }
        });
    for (std::thread& worker : workers) worker.join();
    EXPECT_EQ(messages, std::vector<std::size_t>(4, 20));
}

// A sink at its caps takes no more: the reader is stopped, not waited for.
TEST(PstReader, ASinkAtItsCapsStopsTheReader) {
    HARVELUX_REQUIRE_SHARED_FOLDER(testfiles::containersDir());
    struct FirstOnly final : test::MemberCollector {
        bool add(std::string name, std::string bytes) override {
            MemberCollector::add(std::move(name), std::move(bytes));
            return false;
        }
    } sink;
    listPstMembers(storeBytes(), sink);
    EXPECT_EQ(sink.names(), std::vector<std::string>{"Inbox/tmp/message 1"});
    EXPECT_TRUE(sink.failures.empty());
}

TEST(PstReader, AReaderPastItsDeadlineIsKilledAndReported) {
    const WorkBudget budget(WorkBudget::Settings{.limit = std::chrono::milliseconds(300), .clock = {}});
    test::MemberCollector sink;
    try {
        listPstMembers("!BDN", sink, HARVELUX_HANGING_READER);
        FAIL() << "the reader's output was taken";
    } catch (const EngineError& error) {
        EXPECT_EQ(std::string(error.what()), "too slow to read");
    }
}

TEST(PstReader, RefusesEveryBrokenOutputOfTheReader) {
    HARVELUX_REQUIRE_SHARED_FOLDER(testfiles::containersDir());
    const std::string bytes = storeBytes();
    // The reader's real output for the store, then broken.
    std::string stream;
    {
        ReaderProcess process(findProgramFile(kPstReaderProgram), {}, bytes, readerProcessLimits(bytes.size()));
        char buffer[4096];
        while (const std::size_t got = process.read(buffer, sizeof buffer)) stream.append(buffer, got);
        process.finish();
    }
    test::MemberCollector whole;
    listPstStreamMembers(stream, bytes.size(), whole);
    ASSERT_EQ(whole.members.size(), 4u);
    EXPECT_TRUE(whole.failures.empty());

    const std::size_t second = stream.find(std::string("M\t\0\0\0Inbox/tmp", 14), 1);  // the second message's record
    ASSERT_NE(second, std::string::npos);
    std::string huge = stream;
    huge.replace(1, 4, "\xff\xff\xff\x7f", 4);
    std::string misplaced = stream;
    misplaced[second] = pst_record::kAttachmentData;
    struct Case {
        const char* what;
        std::string stream;
        std::size_t messages;  // read before the break
    };
    const Case cases[] = {
        {"empty", "", 0},
        {"cut inside the first message", stream.substr(0, second / 2), 0},
        {"cut before the store's end", stream.substr(0, stream.size() - kPstRecordHeader), 4},
        {"a length past what the store holds", huge, 0},
        {"a record out of place", misplaced, 1},
        {"bytes after the end", stream + "Z", 4},
    };
    for (const Case& c : cases) {
        test::MemberCollector sink;
        if (c.messages == 0) {
            EXPECT_THROW(listPstStreamMembers(c.stream, bytes.size(), sink), EngineError) << c.what;
            continue;
        }
        EXPECT_NO_THROW(listPstStreamMembers(c.stream, bytes.size(), sink)) << c.what;
        EXPECT_EQ(sink.members.size(), c.messages) << c.what;
        ASSERT_EQ(sink.failures.size(), 1u) << c.what;
        EXPECT_EQ(sink.failures[0], std::make_pair(std::string(), UnreadableReason::Damaged)) << c.what;
    }
}

}  // namespace
}  // namespace harvelux::wordproc
