// The stories of a document's text, and which part of a range's text is
// which story. A reader that reads more than the main story marks where each
// story begins; the engine takes the marks out of the text and hands them on
// with the range as spans, so that every address found can say where in the
// document it stood.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace harvelux::wordproc {

// The first seven are the stories a reader gathers beyond the main one, in
// the order they follow it; their values index the reader's collection.
// Notes are a presentation's speaker notes; Properties the strings of a
// document's properties (title, author, custom properties).
enum class StoryKind : std::size_t {
    Footnotes,
    Endnotes,
    Comments,
    TextBoxes,
    HeadersFooters,
    Notes,
    Properties,
    Main,
    LinkTargets,  // the addresses of mailto: links, one a line
    MailHeader,   // an e-mail's header lines, "Display Name <address>"
};

inline constexpr std::size_t kStoryKinds = 10;

// A story begins at `begin` (a byte offset into the range's text) and runs to
// the next span's begin or the text's end. Text before the first span is the
// main story.
struct StorySpan {
    StoryKind kind = StoryKind::Main;
    std::size_t begin = 0;
    bool operator==(const StorySpan&) const = default;
};
using StorySpans = std::vector<StorySpan>;

// The story that holds the byte at `offset`; spans are in order of begin.
StoryKind storyAt(const StorySpans& spans, std::size_t offset);

// How the story is named to a user: "main text", "footnote", "e-mail header".
std::string_view storyName(StoryKind kind);
// The kind of a name storyName gives; false for any other name.
bool storyFromName(std::string_view name, StoryKind& kind);

// A set of stories, one bit per kind.
using StorySet = std::uint16_t;
constexpr StorySet storyBit(StoryKind kind) { return static_cast<StorySet>(1u << static_cast<unsigned>(kind)); }

// The mark a reader writes into its text where a story of `kind` begins,
// when the engine asks for marks (text/StoryMarks.h). Its first two bytes
// can begin no UTF-8 character.
inline std::string storyMark(StoryKind kind) {
    return std::string("\xFF\xFE") + static_cast<char>('0' + static_cast<int>(kind));
}
inline constexpr std::size_t kStoryMarkBytes = 3;

// Takes every story mark out of `text` and returns the spans they gave.
StorySpans takeStoryMarks(std::string& text);

}  // namespace harvelux::wordproc
