// Whether the readers of this thread mark where each story begins in their
// text (see wordproc/StoryKind.h). Off unless the engine asks, so a reader's
// text is the plain text wherever else it is read.
#pragma once

#include "wordproc/StoryKind.h"

#include <string>

namespace harvelux::wordproc {

class TextBuilder;

class StoryMarksScope {
public:
    explicit StoryMarksScope(bool on);
    ~StoryMarksScope();
    StoryMarksScope(const StoryMarksScope&) = delete;
    StoryMarksScope& operator=(const StoryMarksScope&) = delete;

    static bool current();

private:
    bool previous_;
};

// Appends the mark of a story of `kind` to `text` when marks are asked for.
void markStory(std::string& text, StoryKind kind);
void markStory(TextBuilder& text, StoryKind kind);

}  // namespace harvelux::wordproc
