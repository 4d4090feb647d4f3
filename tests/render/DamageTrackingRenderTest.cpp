// Drawing only the cells that changed gives every frame the picture a whole redraw
// gives: scripted play of the shipped game (ants walking and burning, flames, seeds,
// dusk into night with the flashlight sweeping, the editor opened and closed, the
// camera moved) is drawn frame by frame with damage tracking, then the same frame
// again whole, and the two are compared pixel by pixel. A frame drawn whole anyway
// goes straight into the window, as in the game; the capture reads it there.
#include "core/Engine.h"
#include "support/ShippedGameRender.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

LaunchOptions SweepingPointer() {
    LaunchOptions options;
    options.frames = 1000000;  // only for the scripted pointer: the test runs the frames
    options.night = true;
    return options;
}

class DamageTrackingRenderTest : public ShippedGameRender {
protected:
    DamageTrackingRenderTest() : ShippedGameRender(SweepingPointer()) {}

    // One frame of play drawn with damage tracking, then drawn again whole.
    void PlayFrame() {
        ++frame_;
        // SDL's off-screen window never has the keyboard focus: the game is told it has.
        SDL_Event focus{};
        focus.type = SDL_WINDOWEVENT;
        focus.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
        SDL_PushEvent(&focus);
        // As the game draws: a frame drawn whole anyway goes straight into the window.
        device.WholeFramesInWindow = true;
        device.DamageTracking = true;
        Image tracked;
        device.FrameCapture = &tracked;
        app.RunFrame(1.0f / 60.0f);
        (device.LastFrameInWindow() ? framesInWindow_ : framesKept_)++;
        device.DamageTracking = false;
        Image whole;
        device.FrameCapture = &whole;
        device.RenderFrame(Engine::Root);
        device.FrameCapture = nullptr;
        device.DamageTracking = true;
        if (tracked.Rgba != whole.Rgba && failures_++ < 3) {
            ADD_FAILURE() << "frame " << frame_ << " (" << scene_ << "), " << FirstDifference(tracked, whole);
        }
    }
    void Play(int frames, const std::string& scene) {
        scene_ = scene;
        for (int i = 0; i < frames; ++i) {
            PlayFrame();
        }
    }

    static void PushKey(SDL_Scancode key, bool down) {
        SDL_Event event{};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.scancode = key;
        SDL_PushEvent(&event);
    }
    static void PushLeftButton(bool down) {
        SDL_Event event{};
        event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        event.button.button = SDL_BUTTON_LEFT;
        event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
        SDL_PushEvent(&event);
    }
    // A key held for six frames.
    void Tap(SDL_Scancode key, const std::string& scene) {
        PushKey(key, true);
        Play(6, scene);
        PushKey(key, false);
        Play(1, scene);
    }

    int frame_ = 0;
    int failures_ = 0;
    int framesInWindow_ = 0;
    int framesKept_ = 0;
    std::string scene_;
};

TEST_F(DamageTrackingRenderTest, EveryFrameOfScriptedPlayIsTheWholeRedraw) {
    ASSERT_NE(screen, nullptr);
    ASSERT_NE(Engine::EditorRoot, nullptr) << "the editor's build has the editor";
    screen->DayNight.Settings.DuskTransitionTime = 0.5f;
    screen->DayNight.Settings.NightTransitionTime = 0.5f;
    Play(30, "ants walking by day");

    Tap(SDL_SCANCODE_SPACE, "a stream of flames");
    Play(20, "flames burning");
    screen->Tool = ToolFeed;
    PushLeftButton(true);
    Play(40, "seeds dropping");
    PushLeftButton(false);
    int burning = 3;
    IgniteAnts(Engine::GameplayRoot, burning);
    ASSERT_EQ(burning, 0) << "the shipped level has enough ants";
    Play(30, "ants burning");

    ASSERT_TRUE(screen->ToggleDayNight());
    Play(65, "dusk into night");
    screen->Tool = ToolLight;
    Play(40, "the flashlight sweeping at night");

    Tap(SDL_SCANCODE_F11, "the editor opening");
    Play(15, "the editor open");
    Tap(SDL_SCANCODE_F11, "the editor closing");
    Play(10, "after the editor");

    graphics.WorldCamera.Position = graphics.WorldCamera.Position + Vector2(3.5f, -1.25f);
    Play(10, "the camera moved");
    EXPECT_EQ(failures_, 0) << "of " << frame_ << " frames";
    // Both ways of drawing were compared: in the window and into the kept frame.
    EXPECT_GT(framesInWindow_, 0);
    EXPECT_GT(framesKept_, framesInWindow_);
}

}  // namespace
