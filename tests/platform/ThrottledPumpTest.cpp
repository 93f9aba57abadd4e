// The throttled message pump, on a clock the test moves by hand.
#include "platform/ThrottledPump.h"

#include <gtest/gtest.h>

namespace harvelux::platform {
namespace {

using namespace std::chrono_literals;

class FakeClock {
public:
    std::chrono::steady_clock::time_point now = std::chrono::steady_clock::time_point{} + 1h;
    ThrottledPump::Clock clock() {
        return [this] { return now; };
    }
};

TEST(ThrottledPump, PumpsOnTheFirstCallThenOncePerInterval) {
    FakeClock time;
    int pumped = 0;
    ThrottledPump pump([&] { ++pumped; }, 20ms, time.clock());

    pump();
    EXPECT_EQ(pumped, 1);
    for (int i = 0; i < 1000; ++i) pump();  // no time passes
    EXPECT_EQ(pumped, 1);

    time.now += 19ms;
    pump();
    EXPECT_EQ(pumped, 1);
    time.now += 1ms;
    pump();
    EXPECT_EQ(pumped, 2);
    pump();
    EXPECT_EQ(pumped, 2);

    time.now += 1h;  // a long gap gives one pump, not a catch-up burst
    pump();
    pump();
    EXPECT_EQ(pumped, 3);
    EXPECT_EQ(pump.pumps(), 3u);
}

TEST(ThrottledPump, IntervalCountsFromTheEndOfASlowPump) {
    FakeClock time;
    int pumped = 0;
    ThrottledPump pump(
        [&] {
            ++pumped;
            time.now += 50ms;  // the messages take longer than the interval
        },
        20ms, time.clock());

    pump();
    pump();  // the 50 ms spent pumping do not count as work done since
    EXPECT_EQ(pumped, 1);
    time.now += 20ms;
    pump();
    EXPECT_EQ(pumped, 2);
}

TEST(ThrottledPump, NowPumpsAtOnceAndStartsANewInterval) {
    FakeClock time;
    int pumped = 0;
    ThrottledPump pump([&] { ++pumped; }, 20ms, time.clock());
    pump.now();
    pump.now();
    EXPECT_EQ(pumped, 2);
    time.now += 15ms;
    pump.now();
    EXPECT_EQ(pumped, 3);
    time.now += 15ms;  // 30 ms since the first, 15 since the last
    pump();
    EXPECT_EQ(pumped, 3);
    time.now += 5ms;
    pump();
    EXPECT_EQ(pumped, 4);
}

TEST(ThrottledPump, EmptyPumpDoesNothing) {
    ThrottledPump pump({});
    pump();
    pump.now();
    EXPECT_EQ(pump.pumps(), 0u);
}

}  // namespace
}  // namespace harvelux::platform
