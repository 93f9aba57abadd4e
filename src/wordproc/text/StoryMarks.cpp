#include "wordproc/text/StoryMarks.h"

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

}  // namespace harvelux::wordproc
