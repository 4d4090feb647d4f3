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
