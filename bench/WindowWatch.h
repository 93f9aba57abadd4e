// Watching a window during long work: how often a widget was painted, and
// how long the event loop went without answering.
//
// FreezeWatch: a timer asks to run every 5 ms, and the longest stretch between two of its runs (less the
// 5 ms) is the longest time the event loop did not get round to it,
// whether the program was busy outside the event loop or inside it (a long
// layout or paint counts too).
#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>

#include <algorithm>
#include <chrono>

namespace harvelux::bench {

// Counts the paint events of the objects it is installed on.
class PaintCounter final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    long long paints = 0;
};

class FreezeWatch final : public QObject {
public:
    FreezeWatch() {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(kTick);
        connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
    }

    void start() {
        longest_ = 0;
        ticks_ = 0;
        last_ = std::chrono::steady_clock::now();
        timer_.start();
    }
    // The longest stretch without an answer in ms, the one up to now included.
    double stop() {
        tick();
        timer_.stop();
        return longest_;
    }
    // How often the timer ran.
    long long ticks() const { return ticks_; }

private:
    static constexpr std::chrono::milliseconds kTick{5};

    void tick() {
        const auto now = std::chrono::steady_clock::now();
        const double gap = std::chrono::duration<double, std::milli>(now - last_).count() - kTick.count();
        longest_ = std::max(longest_, gap);
        last_ = now;
        ++ticks_;
    }

    QTimer timer_;
    std::chrono::steady_clock::time_point last_{};
    double longest_ = 0;
    long long ticks_ = 0;
};

}  // namespace harvelux::bench
