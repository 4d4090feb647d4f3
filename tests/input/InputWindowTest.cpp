#include "app/GameApp.h"
#include "core/Engine.h"
#include "graphics/Graphics.h"
#include "input/InputManager.h"
#include "platform/Window.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// These need a real X display; tests/e2e/input_window.sh runs them under Xvfb.
class InputWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("VELLIMOR_WINDOW_TESTS") == nullptr) {
            GTEST_SKIP() << "run by tests/e2e/input_window.sh under Xvfb";
        }
        setenv("SDL_VIDEODRIVER", "x11", 1);
        // One display connection for the whole run: Xvfb resets when its last client
        // leaves, and a test connecting during that reset would fail.
        static const bool videoUp = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
        ASSERT_TRUE(videoUp) << SDL_GetError();
        // Not titled "Vellimor": end-to-end scripts find the game's window by its title.
        Engine::Graphics->MainWindow = std::make_unique<Window>("InputWindowTest", 1280, 720);
        window = SDL_GL_GetCurrentWindow();
        ASSERT_NE(window, nullptr);
        // Let the X server map the window before it is asked about.
        for (int i = 0; i < 50 && !(SDL_GetWindowFlags(window) & SDL_WINDOW_SHOWN); ++i) {
            input.Poll();
            SDL_Delay(10);
        }
    }

    // Polls until `done` holds; X round trips take a moment.
    template <class Condition>
    bool PollUntil(Condition done) {
        for (int i = 0; i < 200; ++i) {
            input.Poll();
            if (done()) return true;
            SDL_Delay(10);
        }
        return false;
    }

    GameApp app;
    InputManager& input = *Engine::InputManager;
    SDL_Window* window = nullptr;
};

TEST_F(InputWindowTest, CursorIsInClientPixelsAlsoOutsideTheWindow) {
    int x = 0;
    int y = 0;
    SDL_GetWindowPosition(window, &x, &y);
    SDL_WarpMouseGlobal(x + 100, y + 50);
    EXPECT_TRUE(PollUntil([&] { return input.Cursor == Vector2(100.0f, 50.0f); }))
        << input.Cursor.x << ", " << input.Cursor.y;
    SDL_WarpMouseGlobal(x + 1290, y + 700);
    EXPECT_TRUE(PollUntil([&] { return input.Cursor == Vector2(1290.0f, 700.0f); }))
        << "right of the window: " << input.Cursor.x << ", " << input.Cursor.y;
}

TEST_F(InputWindowTest, FocusFollowsTheWindow) {
    SDL_RaiseWindow(window);
    SDL_SetWindowInputFocus(window);
    EXPECT_TRUE(PollUntil([&] { return Engine::Graphics->HasFocus; }));
    SDL_MinimizeWindow(window);
    SDL_HideWindow(window);
    EXPECT_TRUE(PollUntil([&] { return !Engine::Graphics->HasFocus; }));
}

TEST_F(InputWindowTest, ClipboardRoundTripsThroughX) {
    input.WriteClipboardText("Pcl_SparkleBurst");
    EXPECT_EQ(input.ReadClipboardText(), "Pcl_SparkleBurst");
}

}  // namespace
