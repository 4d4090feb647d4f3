#include "core/FrameStats.h"

#include <gtest/gtest.h>

#include <vector>

TEST(FrameStatsTest, PercentileIsTheNearestRank) {
    std::vector<double> hundred;
    for (int i = 100; i >= 1; --i) {
        hundred.push_back(i);  // unsorted on purpose
    }
    EXPECT_EQ(FrameStats::Percentile(hundred, 95.0), 95.0);
    EXPECT_EQ(FrameStats::Percentile({3.0, 1.0, 2.0}, 95.0), 3.0);
    EXPECT_EQ(FrameStats::Percentile({7.0}, 95.0), 7.0);
    EXPECT_EQ(FrameStats::Percentile({}, 95.0), 0.0);
    // 19 of 20 values is exactly 95 %: the 19th, not the largest.
    std::vector<double> twenty;
    for (int i = 1; i <= 20; ++i) {
        twenty.push_back(i);
    }
    EXPECT_EQ(FrameStats::Percentile(twenty, 95.0), 19.0);
}

TEST(FrameStatsTest, LineListsFramesMeanP95AndPassesInFirstReportedOrder) {
    FrameStats stats;
    stats.AddFrame(10.0);
    stats.AddFrame(20.0);
    stats.AddPass("shadow", 4.0);
    stats.AddPass("lights", 1.0);
    stats.AddPass("shadow", 6.0);
    // A pass measured in one frame of two is averaged over the frame that measured it.
    EXPECT_EQ(stats.Line(), "frames=2 mean=15.00ms p95=20.00ms shadow=5.00ms lights=1.00ms");
    EXPECT_EQ(FrameStats().Line(), "frames=0 mean=0.00ms p95=0.00ms");
}

TEST(FrameStatsTest, RollsOverOncePerWindowAndStartsEmpty) {
    FrameStats stats(1.0, 10.0);
    stats.AddFrame(5.0);
    stats.AddPass("mask", 2.0);
    EXPECT_FALSE(stats.Roll(10.99));
    const auto rolled = stats.Roll(11.0);
    ASSERT_TRUE(rolled);
    EXPECT_EQ(FrameStats::FormatLine(*rolled), "frames=1 mean=5.00ms p95=5.00ms mask=2.00ms");
    // The next window starts where the last one was rolled, not a second after it began.
    stats.AddFrame(7.0);
    EXPECT_FALSE(stats.Roll(11.9));
    EXPECT_EQ(FrameStats::FormatLine(*stats.Roll(12.0)), "frames=1 mean=7.00ms p95=7.00ms");

    FrameStats wholeRun;
    wholeRun.AddFrame(1.0);
    EXPECT_FALSE(wholeRun.Roll(1e9));
}
