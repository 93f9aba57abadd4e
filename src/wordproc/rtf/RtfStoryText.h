// The text an RTF document gives as it is read, by story: the main story,
// the other stories, and the field instruction being read. Text bytes wait
// until their run ends, so that the two bytes of a double-byte character
// are decoded together; a \uN high surrogate waits for its low half.
#pragma once

#include "wordproc/encoding/CodePages.h"
#include "wordproc/text/OtherStories.h"
#include "wordproc/text/TextBuilder.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace harvelux::wordproc {

// Where the text of a group goes: the main story, another story (when all
// stories are read), or a field's instruction.
inline constexpr std::size_t kMainStory = 0;
inline constexpr std::size_t kFieldCode = 6;
constexpr std::size_t storyIndex(StoryKind kind) { return static_cast<std::size_t>(kind) + 1; }

class RtfStoryText {
public:
    // Text bytes of `story` in `codePage`; control characters other than
    // TAB are dropped.
    void bytes(std::size_t story, int codePage, std::string_view bytes);
    // Decodes the bytes that wait, into `story`.
    void flush(std::size_t story);
    // A \uN character: a UTF-16 code unit.
    void unicode(std::size_t story, char32_t unit);
    void character(std::size_t story, char32_t c);
    void cellMark(std::size_t story);

    // A story's group is closed: it ends with a paragraph mark; a field
    // instruction is complete and goes to `stories`.
    void endStory(std::size_t story, OtherStories& stories);

    // A field's result (\fldrslt) begins in `story`: where its text starts;
    // when it ends, the result names the link of the field's instruction.
    std::size_t beginFieldResult(std::size_t story);
    void endFieldResult(std::size_t story, std::size_t start, OtherStories& stories);

    // The main story, and the other stories after it when they are read.
    // `story` is the one being read when the document ends.
    std::string finish(std::size_t story, OtherStories* stories);

private:
    void settleSurrogate(std::size_t story);
    // The instruction of the field read last, for its result.
    std::string lastFieldCode_;

    std::array<TextBuilder, kFieldCode + 1> texts_;  // by story index
    CodePageDecoder decoder_;
    std::string pendingBytes_;
    int pendingCodePage_ = kWindowsLatin1;
    char32_t highSurrogate_ = 0;
};

}  // namespace harvelux::wordproc
