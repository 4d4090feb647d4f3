#include "app/StallCounter.h"

#include <gtest/gtest.h>

namespace {

// Ticks are milliseconds: a 5 s limit, looks once a second, a look 2 s late is a stop.
struct Looks {
    StallCounter counter{5000, 2000};
    std::int64_t now = 0;
    // Looks every second for `seconds`; true when any look reported a stall.
    bool Run(int seconds, std::int64_t heartbeat, bool longWork = false) {
        bool stalled = false;
        for (int i = 0; i < seconds; ++i) {
            now += 1000;
            stalled = counter.Look(now, heartbeat, longWork).has_value() || stalled;
        }
        return stalled;
    }
};

TEST(StallCounterTest, AHungLoopIsReportedWithItsSilence) {
    Looks looks;
    EXPECT_FALSE(looks.Run(5, 0));
    const auto silent = looks.counter.Look(looks.now + 1000, 0, false);
    ASSERT_TRUE(silent.has_value());
    EXPECT_EQ(*silent, 6000);
}

TEST(StallCounterTest, TimeTheProcessWasStoppedIsNotCounted) {
    Looks looks;
    EXPECT_FALSE(looks.Run(2, 1000));
    // Stopped for 7 s: the next look comes 8 s after the last one.
    looks.now += 8000;
    EXPECT_FALSE(looks.counter.Look(looks.now, 1000, false).has_value());
    // A loop that still does not run once the process goes on is a hang after all.
    EXPECT_FALSE(looks.Run(4, 1000));
    EXPECT_TRUE(looks.Run(2, 1000));
}

TEST(StallCounterTest, LongWorkHoldsTheCountAndThenGivesTheLoopItsFullTime) {
    Looks looks;
    EXPECT_FALSE(looks.Run(30, 0, true));
    EXPECT_FALSE(looks.Run(5, 0));
    EXPECT_TRUE(looks.Run(1, 0));
}

}  // namespace
