#include "support/RenderFixture.h"

#include <string>
#include <vector>

namespace {

class PassTimingRenderTest : public RenderFixture {
protected:
    PassTimingRenderTest() {
        Texture* white = MakeTexture("White", SolidImage(4, 4, 255, 255, 255));
        // Two groups in one layer, so the frame depends on the depth test.
        Texture* grey = MakeTexture("Grey", SolidImage(4, 4, 128, 128, 128));
        AddSprite(&root, white, DrawLayer::Foreground, World(100, 100), Vector2(2, 2));
        AddSprite(&root, grey, DrawLayer::Foreground, World(110, 110), Vector2(2, 2));
        AddSprite(&root, white, DrawLayer::Foreground, World(120, 120), Vector2(2, 2), Color(255, 0, 0, 255));
    }

    void Time(PassTimer::Mode mode) {
        device.PassTimes.SetMode(mode, [this](std::string_view pass, double milliseconds) {
            reported.emplace_back(pass);
            EXPECT_GE(milliseconds, 0.0);
            EXPECT_LT(milliseconds, 10000.0) << pass;
        });
    }

    std::vector<std::string> reported;
};

const std::vector<std::string> kPasses = {"survey", "background", "lit",      "shadow", "mask",
                                          "lights", "plain",      "overlays", "present"};

TEST_F(PassTimingRenderTest, FinishModeReportsEveryPassOfTheFrameInOrderAndChangesNoPixel) {
    const Image untimed = Render();
    EXPECT_TRUE(reported.empty());

    Time(PassTimer::Mode::Finish);
    EXPECT_EQ(Render().Rgba, untimed.Rgba);
    EXPECT_EQ(reported, kPasses);

    // The overlay hook is timed as its own pass and leaves the next frame's depth test on.
    reported.clear();
    device.StatsOverlayDraw = [] {};
    Render();
    device.StatsOverlayDraw = nullptr;
    EXPECT_EQ(reported.at(8), "stats");  // after "overlays", before "present"
    EXPECT_EQ(Render().Rgba, untimed.Rgba);
}

TEST_F(PassTimingRenderTest, QueryModeReportsEarlierFramesLateAndNeverWaits) {
    const Image untimed = Render();
    Time(PassTimer::Mode::Queries);
    EXPECT_EQ(Render().Rgba, untimed.Rgba);
    EXPECT_TRUE(reported.empty()) << "a frame's queries are read in a later frame";
    for (int frame = 0; frame < 8; ++frame) {
        Render();
    }
    // The first frame after the queries are made is dropped; whole frames follow.
    ASSERT_GE(reported.size(), kPasses.size());
    EXPECT_EQ(reported.size() % kPasses.size(), 0u);
    EXPECT_EQ(std::vector<std::string>(reported.begin(), reported.begin() + 9), kPasses);

    reported.clear();
    Time(PassTimer::Mode::Off);
    for (int frame = 0; frame < 5; ++frame) {
        Render();
    }
    EXPECT_TRUE(reported.empty());
}

}  // namespace
