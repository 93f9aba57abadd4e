// The limits of the thread that reads a document, handed to the readers of
// a loaded module. A module carries its own copies of the text cap and the
// work budget, whose thread state the engine's settings do not reach: the
// engine passes its limits across the module's edge, and the module sets
// them up on its side for the length of the read.
#pragma once

#include "wordproc/WorkBudget.h"
#include "wordproc/text/StoryMarks.h"
#include "wordproc/text/TextBuilder.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace harvelux::wordproc {

// Plain data, the same on both sides of the module's edge.
struct ReaderLimits {
    std::size_t textLimit;  // bytes of text, as TextLimitScope
    // The work budget's deadline in nanoseconds of its clock; `now` reads
    // that clock (given `clock`). `now` null: no budget.
    std::int64_t deadline;
    std::int64_t (*now)(const void* clock);
    const void* clock;
    bool storyMarks;  // whether the readers mark their stories (StoryMarks.h)
};

// The engine's side: this thread's text cap and work budget.
ReaderLimits readerLimitsOfThisThread();

// The module's side: the limits set up for as long as the scope lives (null:
// the module's defaults). A budget already spent ends the read at once.
class ReaderLimitsScope {
public:
    explicit ReaderLimitsScope(const ReaderLimits* limits);

private:
    TextLimitScope text_;
    StoryMarksScope marks_;
    std::optional<WorkBudget> budget_;
};

}  // namespace harvelux::wordproc
