// What RTF's control words and symbols mean to the reader: the destinations
// that are stories of their own or hold no main-story text, and the words
// and symbols that stand for one character.
#pragma once

#include "wordproc/text/OtherStories.h"

#include <optional>
#include <string_view>

namespace harvelux::wordproc {

// The story a destination holds when it is one of the other stories
// (footnotes, comments, text boxes, headers and footers).
std::optional<StoryKind> storyDestination(std::string_view word);

// Destinations that hold no main-story text.
bool isSkippedDestination(std::string_view word);

// The character a control word stands for (\par, \tab, \emdash ...), or 0.
char32_t specialCharacter(std::string_view word);

// The character a control symbol stands for (\~, \_, \-, \{ ...), or 0.
char32_t symbolCharacter(char symbol);

}  // namespace harvelux::wordproc
