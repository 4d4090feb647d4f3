#include "app/LaunchOptions.h"

#include <gtest/gtest.h>

TEST(LaunchOptionsTest, ReadsTheOptionsInAnyOrder) {
    const auto plain = LaunchOptions::Parse({});
    EXPECT_TRUE(plain.error.empty());
    EXPECT_FALSE(plain.options.frameStats);
    EXPECT_EQ(plain.options.frames, 0);

    const auto both = LaunchOptions::Parse({"--frames", "600", "--frame-stats"});
    ASSERT_TRUE(both.error.empty()) << both.error;
    EXPECT_EQ(both.options.frames, 600);
    EXPECT_TRUE(both.options.frameStats);
    EXPECT_EQ(both.options.passTiming, LaunchOptions::PassTiming::Finish);

    const auto joined = LaunchOptions::Parse({"--frame-stats=queries", "--frames=12"});
    ASSERT_TRUE(joined.error.empty()) << joined.error;
    EXPECT_EQ(joined.options.frames, 12);
    EXPECT_EQ(joined.options.passTiming, LaunchOptions::PassTiming::Queries);

    EXPECT_TRUE(LaunchOptions::Parse({"--version"}).options.version);
    EXPECT_NE(std::string(LaunchOptions::Usage()).find("--version"), std::string::npos);
}

TEST(LaunchOptionsTest, RefusesWhatIsNotAPositiveFrameCountOrAKnownOption) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"--frames"}, {"--frames", "0"}, {"--frames", "-5"}, {"--frames", "12x"}, {"--frames", ""},
             {"--frames=abc"}, {"--frames", "99999999999"}, {"--fps"}, {"600"}, {"--frame-stats=gpu"}}) {
        const auto result = LaunchOptions::Parse(arguments);
        EXPECT_FALSE(result.error.empty()) << arguments.front();
        EXPECT_EQ(result.error.find('\n'), std::string::npos);
    }
    // The value is consumed: "--frames 5 --frames" fails on the second, not on "5".
    EXPECT_NE(LaunchOptions::Parse({"--frames", "5", "--frames"}).error.find("--frames"), std::string::npos);
}
