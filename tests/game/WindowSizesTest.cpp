#include "game/WindowSizes.h"

#include <gtest/gtest.h>

namespace {

using Size = WindowSizes::Size;

TEST(WindowSizesTest, TheCommonSizesThatFitWithTheWindowsOwnInItsPlaceAndSteppingGoesRound) {
    // A 1920 x 1080 screen less a 40-pixel panel: 1920 x 1080 no longer fits.
    const Size usable{1920, 1040};
    EXPECT_EQ(WindowSizes::Choices(usable, {1280, 720}),
              (std::vector<Size>{{640, 360}, {960, 540}, {1280, 720}, {1600, 900}}));
    EXPECT_EQ(WindowSizes::Choices(usable, {1000, 700}),
              (std::vector<Size>{{640, 360}, {960, 540}, {1000, 700}, {1280, 720}, {1600, 900}}));

    EXPECT_EQ(WindowSizes::Step(usable, {1280, 720}, 1), (Size{1600, 900}));
    EXPECT_EQ(WindowSizes::Step(usable, {1600, 900}, 1), (Size{640, 360}));
    EXPECT_EQ(WindowSizes::Step(usable, {640, 360}, -1), (Size{1600, 900}));
    EXPECT_EQ(WindowSizes::Step(usable, {1000, 700}, -1), (Size{960, 540}));
    // A screen smaller than every common size but the smallest window still cycles.
    EXPECT_EQ(WindowSizes::Step({800, 600}, {640, 360}, 1), (Size{640, 360}));
}

}  // namespace
