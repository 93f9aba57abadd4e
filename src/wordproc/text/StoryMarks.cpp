#include "wordproc/text/StoryMarks.h"

#include "wordproc/text/TextBuilder.h"

namespace harvelux::wordproc {

namespace {
thread_local bool marking = false;
}  // namespace

StoryMarksScope::StoryMarksScope(bool on) : previous_(marking) { marking = on; }
StoryMarksScope::~StoryMarksScope() { marking = previous_; }
bool StoryMarksScope::current() { return marking; }

void markStory(std::string& text, StoryKind kind) {
    if (marking) text += storyMark(kind);
}

void markStory(TextBuilder& text, StoryKind kind) {
    if (marking) text.append(storyMark(kind));
}

}  // namespace harvelux::wordproc
