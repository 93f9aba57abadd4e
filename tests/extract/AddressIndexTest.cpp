// The address index and the display names it is given, and the story spans
// the engine takes out of a text.
#include "extract/AddressIndex.h"
#include "extract/DisplayName.h"
#include "wordproc/StoryKind.h"

#include <gtest/gtest.h>

namespace harvelux::extract {
namespace {

using wordproc::StoryKind;

TEST(DisplayName, TheNameBeforeAnAddressInAngleBrackets) {
    const struct {
        std::string text;
        std::string name;
    } cases[] = {
        {"Jane Doe <jane@example.org>", "Jane Doe"},
        {"From: Jane Doe <jane@example.org>", "Jane Doe"},
        {"To: \"Doe, Jane\" <jane@example.org>", "Doe, Jane"},
        {"a@b.cc, Bob <jane@example.org>", "Bob"},
        {"Please write to my friend Mary Ann Smith Jones <jane@example.org>", "Mary Ann Smith Jones"},
        {"\rJane Doe\r<jane@example.org>", ""},  // the name ends at the paragraph
        {"<jane@example.org>", ""},
        {"Jane Doe jane@example.org", ""},
        {"Jane Doe <jane@example.org", ""},                   // never closed
        {"other@example.org <jane@example.org>", ""},         // an address is no name
        {std::string(200, 'x') + " <jane@example.org>", ""},  // too long to be one
    };
    for (const auto& c : cases) {
        const std::size_t begin = c.text.find("jane@");
        EXPECT_EQ(displayNameBefore(c.text, begin, begin + 16), c.name) << c.text;
    }
}

TEST(AddressIndex, CountsDocumentsTimesStoriesAndNamesMostFrequentFirst) {
    AddressIndex index;
    index.beginDocument("a.doc", 1);
    index.add("Jane@Example.org", StoryKind::Main, "J. Doe");
    index.add("bob@example.org", StoryKind::Main);
    index.add("jane@example.org", StoryKind::HeadersFooters, "Jane Doe");
    index.beginDocument("b.eml", 2);
    index.add("JANE@example.org", StoryKind::MailHeader, "Jane Doe");
    ASSERT_EQ(index.size(), 2u);
    const AddressIndex::Entry& jane = index.entry(0);
    EXPECT_EQ(jane.spelling, "Jane@Example.org");
    EXPECT_EQ(jane.times, 3u);
    ASSERT_EQ(jane.documents.size(), 2u);
    EXPECT_EQ(index.documentName(jane.documents[1].document), "b.eml");
    EXPECT_EQ(storyNames(jane.documents[0].stories), (std::vector<std::string_view>{"main text", "header or footer"}));
    EXPECT_EQ(storyNames(jane.documents[1].stories), (std::vector<std::string_view>{"e-mail header"}));
    EXPECT_EQ(index.namesByFrequency(jane), (std::vector<std::string_view>{"Jane Doe", "J. Doe"}));
    EXPECT_EQ(index.find("BOB@example.org"), std::optional<std::size_t>(1));
}

TEST(StorySpans, MarksBecomeSpansAndLeaveTheText) {
    std::string text = "main\r" + wordproc::storyMark(StoryKind::Footnotes) + wordproc::storyMark(StoryKind::Comments) +
                       "note\r" + wordproc::storyMark(StoryKind::LinkTargets) + "a@b.cc\r";
    const wordproc::StorySpans spans = wordproc::takeStoryMarks(text);
    EXPECT_EQ(text, "main\rnote\ra@b.cc\r");
    // An empty story gives way to the next.
    EXPECT_EQ(spans, (wordproc::StorySpans{{StoryKind::Comments, 5}, {StoryKind::LinkTargets, 10}}));
    const struct {
        std::size_t offset;
        StoryKind story;
    } cases[] = {{0, StoryKind::Main}, {4, StoryKind::Main}, {5, StoryKind::Comments}, {12, StoryKind::LinkTargets}};
    for (const auto& c : cases) EXPECT_EQ(wordproc::storyAt(spans, c.offset), c.story) << c.offset;
}

}  // namespace
}  // namespace harvelux::extract
