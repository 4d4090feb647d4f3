#include "input/InputManager.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(ClipboardTest, WithoutVideoReadingIsEmptyAndWritingChangesNothing) {
    InputManager input;
    input.WriteClipboardText("lost");
    EXPECT_EQ(input.ReadClipboardText(), "");
}

// SDL's offscreen video driver keeps the clipboard inside the process: no display needed.
class OffscreenClipboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    }
    void TearDown() override { SDL_QuitSubSystem(SDL_INIT_VIDEO); }

    InputManager input;
};

TEST_F(OffscreenClipboardTest, TextRoundTripsUpTo1024Characters) {
    input.WriteClipboardText("Lvl_TestLevel2");
    EXPECT_EQ(input.ReadClipboardText(), "Lvl_TestLevel2");

    input.WriteClipboardText(std::string(1500, 'x'));
    EXPECT_EQ(input.ReadClipboardText(), std::string(1024, 'x'));

    // A two-byte character across the limit is dropped whole, never cut in half.
    input.WriteClipboardText(std::string(1023, 'x') + "\xC3\xA9" + "tail");
    EXPECT_EQ(input.ReadClipboardText(), std::string(1023, 'x'));
}

}  // namespace
