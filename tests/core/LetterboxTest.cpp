#include "core/Letterbox.h"

#include <gtest/gtest.h>

TEST(LetterboxTest, TheFrameKeepsItsAspectWithBarsWhereTheWindowIsWider) {
    const Letterbox same = Letterbox::Fit(1280, 720, 1280, 720);
    EXPECT_TRUE(same.FillsWindow(1280, 720));

    const Letterbox wide = Letterbox::Fit(1280, 720, 1920, 1200);  // 16:10: bars above and below
    EXPECT_EQ(wide.X, 0);
    EXPECT_EQ(wide.Width, 1920);
    EXPECT_EQ(wide.Height, 1080);
    EXPECT_EQ(wide.Y, 60);

    const Letterbox tall = Letterbox::Fit(1280, 720, 1600, 720);  // bars left and right
    EXPECT_EQ(tall.Height, 720);
    EXPECT_EQ(tall.Width, 1280);
    EXPECT_EQ(tall.X, 160);
}

TEST(LetterboxTest, WindowPointsMapBackIntoTheFrame) {
    const Letterbox box = Letterbox::Fit(1280, 720, 1920, 1200);
    const Vector2 centre = box.ToFrame({960.0f, 600.0f}, 1280, 720);
    EXPECT_FLOAT_EQ(centre.x, 640.0f);
    EXPECT_FLOAT_EQ(centre.y, 360.0f);
    const Vector2 button = box.ToFrame({128.0f * 1.5f, 60.0f + 48.0f * 1.5f}, 1280, 720);
    EXPECT_FLOAT_EQ(button.x, 128.0f);
    EXPECT_FLOAT_EQ(button.y, 48.0f);
    EXPECT_LT(box.ToFrame({10.0f, 10.0f}, 1280, 720).y, 0.0f);  // on the top bar: outside
}

// A window resized to 1600 x 1000: scale 1.25, bars of 50 pixels above and below.
TEST(LetterboxTest, AResizedWindowsPointerLandsOnTheButtonsItIsOver) {
    const Letterbox box = Letterbox::Fit(1280, 720, 1600, 1000);
    EXPECT_EQ(box.Width, 1600);
    EXPECT_EQ(box.Height, 900);
    EXPECT_EQ(box.Y, 50);
    const Vector2 feed = box.ToFrame({160.0f, 110.0f}, 1280, 720);  // the feed button's centre
    EXPECT_FLOAT_EQ(feed.x, 128.0f);
    EXPECT_FLOAT_EQ(feed.y, 48.0f);
    const Vector2 corner = box.ToFrame({1599.0f, 949.0f}, 1280, 720);  // the picture's last pixel
    EXPECT_LT(corner.x, 1280.0f);
    EXPECT_LT(corner.y, 720.0f);
    EXPECT_GE(box.ToFrame({800.0f, 990.0f}, 1280, 720).y, 720.0f);  // on the bottom bar: outside
}
