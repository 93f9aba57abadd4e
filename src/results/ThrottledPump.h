// A message pump that lets pending window messages through at most once per
// interval, however often it is called.
//
// The export writers pump once per row and once per cell; letting the
// window process its messages that often makes a million-row export spend
// most of its time in the event loop. Every ~20 ms is as often as a window
// can repaint anyway, and keeps it answering.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>

namespace harvelux::results {

class ThrottledPump {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    static constexpr std::chrono::milliseconds kDefaultInterval{20};

    // `pump` processes pending messages once. The first call pumps; a later
    // call pumps when `interval` has passed since the last pump returned.
    explicit ThrottledPump(std::function<void()> pump, std::chrono::milliseconds interval = kDefaultInterval,
                           Clock clock = &std::chrono::steady_clock::now);

    void operator()();

    // How many times the real pump ran.
    std::size_t pumps() const { return pumps_; }

private:
    std::function<void()> pump_;
    std::chrono::steady_clock::duration interval_;
    Clock clock_;
    std::chrono::steady_clock::time_point lastPump_{};
    std::size_t pumps_ = 0;
};

}  // namespace harvelux::results
