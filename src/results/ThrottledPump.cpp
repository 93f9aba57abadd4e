#include "results/ThrottledPump.h"

#include <utility>

namespace harvelux::results {

ThrottledPump::ThrottledPump(std::function<void()> pump, std::chrono::milliseconds interval, Clock clock)
    : pump_(std::move(pump)), interval_(interval), clock_(std::move(clock)) {}

void ThrottledPump::operator()() {
    if (!pump_) return;
    if (pumps_ > 0 && clock_() - lastPump_ < interval_) return;
    ++pumps_;
    pump_();
    // Counted from the end of the pump, so a slow pump still leaves the
    // caller a whole interval of work.
    lastPump_ = clock_();
}

}  // namespace harvelux::results
