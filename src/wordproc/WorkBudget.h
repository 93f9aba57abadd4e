// A time budget for reading one document, a safety net under the readers:
// should some input still make a reader work far out of proportion to its
// size, the document is given up as "too slow to read" after the budget
// instead of stalling a whole run.
//
// A budget lives on the thread that reads the document; the readers charge
// it as they go (every piece of text, every node of a tree), and a charge
// made once the time is spent throws EngineError. Without a budget on the
// thread, charges cost next to nothing and never throw.
//
// A module loaded into the program has its own copy of this class and so
// of the thread's budget: the engine hands the budget's deadline and clock
// across, and the module sets up the same budget on its side.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

namespace harvelux::wordproc {

struct WorkBudgetSettings {
    std::chrono::milliseconds limit{30000};
    std::function<std::chrono::steady_clock::time_point()> clock;  // empty: the monotonic clock
};

class WorkBudget {
public:
    using Settings = WorkBudgetSettings;
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    explicit WorkBudget(Settings settings = Settings());
    // A budget that ends at `deadline` on `clock` (empty: the monotonic
    // clock): another's budget, continued.
    WorkBudget(std::chrono::steady_clock::time_point deadline, Clock clock);
    ~WorkBudget();
    WorkBudget(const WorkBudget&) = delete;
    WorkBudget& operator=(const WorkBudget&) = delete;

    // One step of work on this thread. The clock is read every few thousand
    // steps; throws EngineError("too slow to read") once the budget is spent.
    static void charge() {
        if (++steps_ >= kStepsPerLook) look();
    }
    // A large step (a page of a PDF): the clock is read now.
    static void chargeLarge() { look(); }

    // The innermost budget of this thread, or null.
    static const WorkBudget* current() { return current_; }
    std::chrono::steady_clock::time_point deadline() const { return deadline_; }
    std::chrono::steady_clock::time_point now() const;

private:
    static constexpr std::uint32_t kStepsPerLook = 4096;
    static void look();

    Clock clock_;
    std::chrono::steady_clock::time_point deadline_;
    bool spent_ = false;
    WorkBudget* previous_;
    static thread_local WorkBudget* current_;
    static thread_local std::uint32_t steps_;
};

}  // namespace harvelux::wordproc
