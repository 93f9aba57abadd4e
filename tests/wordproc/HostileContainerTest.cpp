// Containers made to exhaust the reader: each ends at one of the caps of
// InnerDocuments.h with a reason, or is read whole. They are built once for
// the suite; bench/hostile_containers.sh times the program over larger ones.
#include "HostileContainers.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/InnerDocuments.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace harvelux::wordproc {
namespace {

namespace hostile = testfiles::hostile;

struct HostileCase {
    std::string what;
    std::string bytes;
    ReadOptions options;
    UnreadableReason reason;
    std::string words;  // in the reason given
};

class HostileContainers : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        cases_ = std::make_unique<std::vector<HostileCase>>();
        const ReadOptions mainText{};
        const ReadOptions whole{.allStories = true};
        const auto add = [](std::string what, std::string bytes, ReadOptions options, UnreadableReason reason,
                            std::string words) {
            cases_->push_back({std::move(what), std::move(bytes), options, reason, std::move(words)});
        };
        add("nested ZIP bomb", hostile::nestedZipBomb(), mainText, UnreadableReason::ExpandsTooFar, "expands");
        // Its members look like document packages until they are inflated,
        // so they are inflated and followed on any thread, not the lister's.
        add("nested ZIP bomb of would-be packages", hostile::nestedZipBomb(true), mainText,
            UnreadableReason::ExpandsTooFar, "expands");
        add("overlapping-entry ZIP bomb", hostile::overlappingZipBomb(1000, 16u << 20, false), mainText,
            UnreadableReason::Damaged, "overlap");
        add("overlapping-entry .docx bomb", hostile::overlappingZipBomb(1000, 16u << 20, true), whole,
            UnreadableReason::Damaged, "overlap");
        add("self-naming ZIP", hostile::selfNamingZip(12), mainText, UnreadableReason::NestedTooDeep, "nested");
        add("tar.gz of a million empty files", hostile::emptyFilesTarGz(1000000), mainText,
            UnreadableReason::TooManyMembers, "too many");
    }
    static void TearDownTestSuite() { cases_.reset(); }

    static std::unique_ptr<std::vector<HostileCase>> cases_;
};

std::unique_ptr<std::vector<HostileCase>> HostileContainers::cases_;

TEST_F(HostileContainers, EachEndsAtACapWithItsReason) {
    for (const HostileCase& c : *cases_) {
        // What the unread report would list: the outer file, when it is
        // refused as a whole, or the inner documents left unread.
        std::vector<InnerDocument> unread;
        try {
            const DocumentTree tree = readDocumentTree(c.bytes, c.options);
            for (const InnerDocument& inner : tree.inner)
                if (!inner.read) unread.push_back(inner);
        } catch (const EngineError& error) {
            unread.push_back({.name = "",
                              .read = false,
                              .text = {},
                              .error = error.what(),
                              .reason = error.reason(),
                              .stories = {}});
        }
        std::string listed;
        bool reported = false;
        for (const InnerDocument& inner : unread) {
            listed += inner.name + ": " + inner.error + "\n";
            reported = reported || (inner.reason == c.reason && inner.error.find(c.words) != std::string::npos);
        }
        EXPECT_TRUE(reported) << c.what << " should end with \"" << c.words << "\"; unread:\n" << listed;
    }
}

TEST(HostileMail, TenThousandAttachmentsAreEachRead) {
    constexpr std::size_t kAttachments = 10000;
    const DocumentTree tree = readDocumentTree(hostile::mailWithAttachments(kAttachments), {});
    ASSERT_EQ(tree.inner.size(), kAttachments);
    for (const InnerDocument& inner : tree.inner) ASSERT_TRUE(inner.read) << inner.name << ": " << inner.error;
    EXPECT_EQ(tree.inner.back().name, "note9999.txt");
    EXPECT_NE(tree.inner.back().text.find("person9999@example.com"), std::string::npos);
}

}  // namespace
}  // namespace harvelux::wordproc
