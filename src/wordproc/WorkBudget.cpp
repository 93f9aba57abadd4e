#include "wordproc/WorkBudget.h"

#include "wordproc/EngineInterface.h"

#include <ctime>

namespace harvelux::wordproc {

thread_local WorkBudget* WorkBudget::current_ = nullptr;
thread_local std::uint32_t WorkBudget::steps_ = 0;

WorkBudget::WorkBudget(Settings settings) : clock_(std::move(settings.clock)), previous_(current_) {
    deadline_ = now() + settings.limit;
    current_ = this;
}

WorkBudget::WorkBudget(std::chrono::steady_clock::time_point deadline, Clock clock)
    : clock_(std::move(clock)), deadline_(deadline), previous_(current_) {
    current_ = this;
}

WorkBudget::~WorkBudget() { current_ = previous_; }

std::chrono::steady_clock::time_point WorkBudget::now() const {
    if (clock_) return clock_();
    // The coarse clock is plenty for a budget of seconds and cheaper to read.
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &t);
    return std::chrono::steady_clock::time_point(std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec));
}

void WorkBudget::look() {
    steps_ = 0;
    WorkBudget* budget = current_;
    if (!budget) return;
    if (!budget->spent_ && budget->now() >= budget->deadline_) budget->spent_ = true;
    // Once spent, every later look throws too: a reader that catches the
    // error to go on with the rest of the document is stopped again.
    if (budget->spent_) {
        steps_ = kStepsPerLook;
        throw EngineError("too slow to read");
    }
}

}  // namespace harvelux::wordproc
