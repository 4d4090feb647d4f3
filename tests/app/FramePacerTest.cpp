#include "app/FramePacer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

namespace {

// A fake clock in milliseconds-as-ticks: 60000 ticks per second makes one interval
// exactly 1000 ticks, so every expectation below is exact.
constexpr std::int64_t kTicksPerSecond = 60'000;
constexpr std::int64_t kInterval = 1'000;

class FramePacerTest : public ::testing::Test {
protected:
    FramePacerTest()
        : pacer({kTicksPerSecond, 60, 5, 1}, [this] { return now; },
                [this](unsigned ms) {
                    sleeps.push_back(ms);
                    now += ms == 0 ? 1 : static_cast<std::int64_t>(ms) * kTicksPerSecond / 1000;
                }) {
        pacer.Start();  // first deadline at 1000
    }

    std::int64_t now = 0;
    std::vector<unsigned> sleeps;
    FramePacer pacer;
};

TEST_F(FramePacerTest, AFrameFortyMillisecondsLateCoversThreeIntervalsButPhysicsStepsTwo) {
    now = kInterval + 40 * kTicksPerSecond / 1000;  // 40 ms after the deadline
    pacer.WaitForFrame();
    EXPECT_EQ(pacer.IntervalsThisFrame(), 3);
    EXPECT_NEAR(pacer.DeltaSeconds(), 3.0f / 60.0f, 1e-6);
    EXPECT_NEAR(pacer.PhysicsStepSeconds(), 2.0f / 60.0f, 1e-6);
    EXPECT_TRUE(sleeps.empty());
}

TEST_F(FramePacerTest, ABoundaryHitExactlyCountsAsPassed) {
    now = 3 * kInterval;  // exactly two intervals after the first deadline
    pacer.WaitForFrame();
    EXPECT_EQ(pacer.IntervalsThisFrame(), 3);
    EXPECT_EQ(pacer.NextDeadline(), 4 * kInterval);

    now = 4 * kInterval;
    pacer.WaitForFrame();
    EXPECT_EQ(pacer.IntervalsThisFrame(), 1);
    EXPECT_EQ(pacer.FrameDeadline(), 4 * kInterval);
}

TEST_F(FramePacerTest, AOneSecondStallGivesSixIntervalsAndDropsTheBacklog) {
    now = kInterval + kTicksPerSecond;
    pacer.WaitForFrame();
    EXPECT_EQ(pacer.IntervalsThisFrame(), 6);
    EXPECT_NEAR(pacer.DeltaSeconds(), 0.1f, 1e-6);
    EXPECT_EQ(pacer.NextDeadline(), now + kInterval);
}

TEST_F(FramePacerTest, SleepsWholeTimerPeriodsAndYieldsBelowOne) {
    now = 0;  // 1000 ticks = 16.67 ms before the deadline
    pacer.WaitForFrame();
    ASSERT_FALSE(sleeps.empty());
    EXPECT_EQ(sleeps.front(), 16u) << "rounded down to whole milliseconds";
    // 0.67 ms are left after the first sleep: only zero-length yields follow.
    for (std::size_t i = 1; i < sleeps.size(); ++i) {
        EXPECT_EQ(sleeps[i], 0u);
    }
    EXPECT_EQ(pacer.IntervalsThisFrame(), 1);
    EXPECT_GE(now, kInterval);
}

TEST(FramePacerPeriodTest, SleepsAreRoundedDownToMultiplesOfACoarserPeriod) {
    std::int64_t now = 0;
    std::vector<unsigned> sleeps;
    FramePacer pacer({1000, 60, 5, 5}, [&] { return now; },
                     [&](unsigned ms) {
                         sleeps.push_back(ms);
                         now += ms == 0 ? 1 : ms;
                     });
    pacer.Start();  // 1000 ticks per second: one interval is 16 ticks
    pacer.WaitForFrame();
    ASSERT_GE(sleeps.size(), 2u);
    EXPECT_EQ(sleeps[0], 15u);
    EXPECT_EQ(sleeps[1], 0u) << "1 ms left is below one 5 ms period";
}

// The test delay comes on top of the pacing: the frame is late and covers the
// capped backlog, as a slow machine's would.
TEST(FramePacerDelayTest, ATestDelayIsSleptBeforeEveryFrame) {
    std::int64_t now = 0;
    std::vector<unsigned> sleeps;
    FramePacer pacer({1000, 60, 5, 1, 330}, [&] { return now; },
                     [&](unsigned ms) {
                         sleeps.push_back(ms);
                         now += ms == 0 ? 1 : ms;
                     });
    pacer.Start();
    pacer.WaitForFrame();
    EXPECT_EQ(sleeps, std::vector<unsigned>{330u});
    EXPECT_EQ(pacer.IntervalsThisFrame(), 6);
}

TEST_F(FramePacerTest, GameTimeOnlyAdvancesInWholeIntervals) {
    float total = 0;
    for (std::int64_t late : {0, 300, 1700, 50, 9999}) {
        now = pacer.NextDeadline() + late;
        total += pacer.WaitForFrame();
        const float intervals = total * 60.0f;
        EXPECT_NEAR(intervals, std::round(intervals), 1e-3);
        EXPECT_GT(pacer.NextDeadline(), now);
    }
}

// GameApp's loop with vsync on: the frame waits, works `work(frame)` ticks, and its
// swap returns at the display's next refresh (every `refresh` ticks from `phase`).
struct SwappedRun {
    int frames = 0;
    int intervals = 0;
    // Frames whose wait for the pacer and the swap together passed one refresh.
    int doubleWaits = 0;
};

SwappedRun RunWithVSync(std::int64_t refresh, std::int64_t phase, const std::function<std::int64_t(int)>& work) {
    std::int64_t now = 0;
    FramePacer pacer({kTicksPerSecond, 60, 5, 1}, [&] { return now; },
                     [&](unsigned ms) { now += ms == 0 ? 1 : static_cast<std::int64_t>(ms) * kTicksPerSecond / 1000; });
    pacer.SetSwapWaits(true);
    pacer.Start();
    SwappedRun run;
    while (now < 10 * kTicksPerSecond) {
        const std::int64_t begun = now;
        pacer.WaitForFrame();
        run.intervals += pacer.IntervalsThisFrame();
        const std::int64_t worked = work(run.frames);
        now += worked;
        now = phase + ((now - phase) / refresh + 1) * refresh;
        run.doubleWaits += now - begun > worked + refresh;
        ++run.frames;
    }
    return run;
}

TEST(FramePacerVSyncTest, ThePacerAndTheSwapNeverWaitMoreThanARefreshBetweenThemFromTheStartOrAfterAStall) {
    for (std::int64_t phase = 0; phase < kInterval; phase += 100) {
        const SwappedRun run = RunWithVSync(kInterval, phase, [](int frame) { return frame == 30 ? 3000 : 900; });
        EXPECT_EQ(run.doubleWaits, 0) << "refreshes at " << phase;
        EXPECT_NEAR(run.intervals, 600, 2) << "refreshes at " << phase;
    }
}

TEST(FramePacerVSyncTest, TheGameKeepsSixtyStepsASecondOnFasterAndSlowerDisplays) {
    for (std::int64_t refresh : {417, 800, 1001}) {  // 144 Hz, 75 Hz, 59.94 Hz
        const SwappedRun run = RunWithVSync(refresh, 0, [](int) { return 200; });
        EXPECT_NEAR(run.intervals, 600, 2) << "a refresh every " << refresh << " ticks";
        EXPECT_LE(run.frames, 601) << "no frame covers no game time";
    }
}

}  // namespace
