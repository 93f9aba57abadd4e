#include "wordproc/text/ReaderLimits.h"

#include <chrono>

namespace harvelux::wordproc {

namespace {

using TimePoint = std::chrono::steady_clock::time_point;

std::int64_t nanoseconds(TimePoint t) {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch()).count();
}

TimePoint timePoint(std::int64_t nanoseconds) { return TimePoint(std::chrono::nanoseconds(nanoseconds)); }

std::int64_t budgetClock(const void* budget) { return nanoseconds(static_cast<const WorkBudget*>(budget)->now()); }

}  // namespace

ReaderLimits readerLimitsOfThisThread() {
    ReaderLimits limits{TextLimitScope::current(), 0, nullptr, nullptr, StoryMarksScope::current()};
    if (const WorkBudget* budget = WorkBudget::current()) {
        limits.deadline = nanoseconds(budget->deadline());
        limits.now = &budgetClock;
        limits.clock = budget;
    }
    return limits;
}

ReaderLimitsScope::ReaderLimitsScope(const ReaderLimits* limits)
    : text_(limits ? limits->textLimit : TextLimitScope::current()),
      marks_(limits ? limits->storyMarks : StoryMarksScope::current()) {
    if (!limits || !limits->now) return;
    budget_.emplace(timePoint(limits->deadline), [limits] { return timePoint(limits->now(limits->clock)); });
    WorkBudget::chargeLarge();
}

}  // namespace harvelux::wordproc
