// A message pump that lets pending window messages through at most once per
// interval, however often it is called.
//
// Long work that pumps at fine-grained points (the exports once per row and
// cell, the extraction run before every candidate word) would otherwise spend
// most of its time in the event loop. Every ~20 ms is as often as a window
// can repaint anyway, and keeps it answering.
#pragma once

#include <chrono>
#include <cstddef>
#include <ctime>
#include <functional>
#include <utility>

namespace harvelux::platform {

class ThrottledPump {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    static constexpr std::chrono::milliseconds kDefaultInterval{20};

    // The monotonic clock as the kernel last updated it: a few milliseconds
    // coarse, which is plenty for an interval of 20, and several times
    // cheaper to read than the exact clock. The pump may be called millions
    // of times (once per candidate word of a run).
    static std::chrono::steady_clock::time_point coarseNow() {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
        return std::chrono::steady_clock::time_point(std::chrono::seconds(now.tv_sec) +
                                                     std::chrono::nanoseconds(now.tv_nsec));
    }

    // `pump` processes pending messages once. The first call pumps; a later
    // call pumps when `interval` has passed since the last pump returned.
    explicit ThrottledPump(std::function<void()> pump, std::chrono::milliseconds interval = kDefaultInterval,
                           Clock clock = &coarseNow)
        : pump_(std::move(pump)), interval_(interval), clock_(std::move(clock)) {}

    void operator()() {
        if (pumps_ > 0 && clock_() - lastPump_ < interval_) return;
        now();
    }

    // Pumps at once, whenever the last pump was; the next interval counts
    // from here.
    void now() {
        if (!pump_) return;
        ++pumps_;
        pump_();
        // Counted from the end of the pump, so a slow pump still leaves the
        // caller a whole interval of work.
        lastPump_ = clock_();
    }

    // How many times the real pump ran.
    std::size_t pumps() const { return pumps_; }

private:
    std::function<void()> pump_;
    std::chrono::steady_clock::duration interval_;
    Clock clock_;
    std::chrono::steady_clock::time_point lastPump_{};
    std::size_t pumps_ = 0;
};

}  // namespace harvelux::platform
