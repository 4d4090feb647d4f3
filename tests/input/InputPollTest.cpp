#include "app/GameApp.h"
#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/GameObject.h"
#include "graphics/Graphics.h"
#include "input/InputManager.h"
#include "support/RecordingBehavior.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>

namespace {

// Events go through SDL's real queue: pushed with SDL_PushEvent, taken by Poll.
class InputPollTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0) << SDL_GetError(); }
    void TearDown() override { SDL_QuitSubSystem(SDL_INIT_EVENTS); }

    static void PushKey(SDL_Scancode scancode, bool down) {
        SDL_Event event{};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.scancode = scancode;
        ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    }
    static void PushButton(Uint8 button, bool down) {
        SDL_Event event{};
        event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        event.button.button = button;
        ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    }
    static void PushFocus(bool gained) {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.event = gained ? SDL_WINDOWEVENT_FOCUS_GAINED : SDL_WINDOWEVENT_FOCUS_LOST;
        ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    }
    static void PushText(const char* text) {
        SDL_Event event{};
        event.type = SDL_TEXTINPUT;
        std::strncpy(event.text.text, text, sizeof event.text.text - 1);
        ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    }
    static void PushQuit() {
        SDL_Event event{};
        event.type = SDL_QUIT;
        ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    }

    // The frame's input steps as the loop runs them: update, then poll.
    void Frame() {
        input.Update();
        ASSERT_TRUE(input.Poll());
    }

    std::vector<std::string> log;  // outlives the app, whose tree logs deletions
    GameApp app;
    InputManager& input = *Engine::InputManager;
};

TEST_F(InputPollTest, KeyEventsSetAndClearTranslatedKeys) {
    PushKey(SDL_SCANCODE_A, true);
    PushKey(SDL_SCANCODE_KP_ENTER, true);
    ASSERT_TRUE(input.Poll());
    EXPECT_TRUE(input.IsKeyPressed(KeyA));
    EXPECT_TRUE(input.IsKeyDown(KeyOemEnter)) << "both Enter keys are OemEnter";
    EXPECT_FALSE(input.IsKeyDown(KeyKeypadEnter));

    PushKey(SDL_SCANCODE_A, false);
    ASSERT_TRUE(input.Poll());
    EXPECT_FALSE(input.IsKeyDown(KeyA));
    EXPECT_TRUE(input.IsKeyDown(KeyOemEnter));

    // SDL numbers the digit rows 1 ... 9, 0 as the engine does; 0 is the last of each.
    PushKey(SDL_SCANCODE_0, true);
    PushKey(SDL_SCANCODE_KP_0, true);
    PushKey(SDL_SCANCODE_GRAVE, true);
    ASSERT_TRUE(input.Poll());
    EXPECT_TRUE(input.IsKeyDown(KeyOem0));
    EXPECT_TRUE(input.IsKeyDown(KeyKeypad0));
    EXPECT_TRUE(input.IsKeyDown(KeyTilde));
    EXPECT_EQ(input.CurrentKeys.count(), 4u);
}

TEST_F(InputPollTest, BothShiftKeysAreShift) {
    PushKey(SDL_SCANCODE_RSHIFT, true);
    PushKey(SDL_SCANCODE_RCTRL, true);
    PushKey(SDL_SCANCODE_RALT, true);
    ASSERT_TRUE(input.Poll());
    EXPECT_TRUE(input.IsKeyDown(KeyShift));
    EXPECT_FALSE(input.IsKeyDown(KeyRightShift)) << "RightShift is never produced";
    EXPECT_TRUE(input.IsKeyDown(KeyCtrl));
    EXPECT_TRUE(input.IsKeyDown(KeyAlt));

    PushKey(SDL_SCANCODE_RSHIFT, false);
    PushKey(SDL_SCANCODE_LSHIFT, true);
    ASSERT_TRUE(input.Poll());
    EXPECT_TRUE(input.IsKeyDown(KeyShift));
    PushKey(SDL_SCANCODE_LSHIFT, false);
    ASSERT_TRUE(input.Poll());
    EXPECT_FALSE(input.IsKeyDown(KeyShift));
}

TEST_F(InputPollTest, KeysWithoutAnEngineCodeAreIgnored) {
    PushKey(SDL_SCANCODE_NONUSBACKSLASH, true);
    PushKey(SDL_SCANCODE_F13, true);
    PushKey(SDL_SCANCODE_VOLUMEUP, true);
    ASSERT_TRUE(input.Poll());
    EXPECT_TRUE(input.CurrentKeys.none());
}

TEST_F(InputPollTest, MouseButtonsAreKeys) {
    PushButton(SDL_BUTTON_LEFT, true);
    PushButton(SDL_BUTTON_RIGHT, true);
    PushButton(SDL_BUTTON_X1, true);
    ASSERT_TRUE(input.Poll());
    EXPECT_TRUE(input.IsKeyPressed(KeyLeftMouse));
    EXPECT_TRUE(input.IsKeyDown(KeyRightMouse));
    EXPECT_FALSE(input.IsKeyDown(KeyMiddleMouse));
    EXPECT_EQ(input.CurrentKeys.count(), 2u);

    PushButton(SDL_BUTTON_LEFT, false);
    PushButton(SDL_BUTTON_MIDDLE, true);
    ASSERT_TRUE(input.Poll());
    EXPECT_FALSE(input.IsKeyDown(KeyLeftMouse));
    EXPECT_TRUE(input.IsKeyDown(KeyMiddleMouse));
}

TEST_F(InputPollTest, WheelNotchesAddUpWithinAPollAndAFlippedWheelCountsTheWayTheUserTurnedIt) {
    for (const auto& [y, flipped] : {std::pair{1, false}, std::pair{2, false}, std::pair{1, true}}) {
        SDL_Event event{};
        event.type = SDL_MOUSEWHEEL;
        event.wheel.y = y;
        event.wheel.direction = flipped ? SDL_MOUSEWHEEL_FLIPPED : SDL_MOUSEWHEEL_NORMAL;
        ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    }
    ASSERT_TRUE(input.Poll());
    EXPECT_EQ(input.WheelNotches, 2);
    ASSERT_TRUE(input.Poll());
    EXPECT_EQ(input.WheelNotches, 0) << "notches belong to one poll";
}

TEST_F(InputPollTest, TapWithinOnePollIsDownForThatFrameAndUpAtTheNext) {
    PushKey(SDL_SCANCODE_F12, true);
    PushKey(SDL_SCANCODE_F12, false);
    PushButton(SDL_BUTTON_LEFT, true);
    PushButton(SDL_BUTTON_LEFT, false);
    PushKey(SDL_SCANCODE_S, true);
    PushKey(SDL_SCANCODE_S, false);
    PushKey(SDL_SCANCODE_S, true);
    Frame();
    EXPECT_TRUE(input.IsKeyPressed(KeyF12));
    EXPECT_TRUE(input.IsKeyPressed(KeyLeftMouse));
    EXPECT_TRUE(input.IsKeyPressed(KeyS));

    Frame();
    EXPECT_FALSE(input.IsKeyDown(KeyF12));
    EXPECT_FALSE(input.IsKeyPressed(KeyF12));
    EXPECT_FALSE(input.IsKeyDown(KeyLeftMouse));
    EXPECT_TRUE(input.IsKeyDown(KeyS)) << "down, up, down ends down";

    // A key held since an earlier poll comes up at once, auto-repeat or not.
    PushKey(SDL_SCANCODE_S, true);
    PushKey(SDL_SCANCODE_S, false);
    Frame();
    EXPECT_FALSE(input.IsKeyDown(KeyS));

    // Alt held since an earlier poll and let go after S went down under it: Alt+S.
    PushKey(SDL_SCANCODE_LALT, true);
    Frame();
    PushKey(SDL_SCANCODE_S, true);
    PushKey(SDL_SCANCODE_S, false);
    PushKey(SDL_SCANCODE_LALT, false);
    Frame();
    EXPECT_TRUE(input.IsKeyDown(KeyAlt) && input.IsKeyPressed(KeyS));
    Frame();
    EXPECT_FALSE(input.IsKeyDown(KeyAlt));
    // Let go before S went down, it was not held with S.
    PushKey(SDL_SCANCODE_LALT, true);
    Frame();
    PushKey(SDL_SCANCODE_LALT, false);
    PushKey(SDL_SCANCODE_S, true);
    Frame();
    EXPECT_FALSE(input.IsKeyDown(KeyAlt));
    EXPECT_TRUE(input.IsKeyPressed(KeyS));
}

// Typed text is what the system's text input sends, through the user's layout: it
// takes its place among the editing keys of a slow poll, and the frame-late
// TypedText agrees; a key without Ctrl types nothing of itself.
TEST_F(InputPollTest, TextEventsAreStrokesInTheirPlaceAmongTheKeys) {
    PushKey(SDL_SCANCODE_Q, true);
    PushText("a");
    PushKey(SDL_SCANCODE_Q, false);
    PushKey(SDL_SCANCODE_BACKSPACE, true);
    PushText("\xC3\xA9");  // é
    PushKey(SDL_SCANCODE_LSHIFT, true);
    PushText("!");
    Frame();
    std::vector<std::string> strokes;
    for (const KeyStroke& stroke : input.Strokes()) strokes.push_back(stroke.key == KeyNone ? stroke.text : "<key>");
    EXPECT_EQ(strokes, (std::vector<std::string>{"a", "<key>", "\xC3\xA9", "!"}));
    EXPECT_TRUE(input.IsKeyPressed(KeyQ)) << "the key itself is still seen where it is";
    Frame();
    EXPECT_EQ(input.TypedText, "a\xC3\xA9!");
}

// A held Backspace repeats as a stroke; a key let go within its poll never repeats,
// however long the frame; a shortcut (Ctrl+X) is a stroke that does not repeat; keys
// that neither edit nor go with Ctrl make no strokes.
TEST_F(InputPollTest, HeldEditingKeysRepeatAsStrokesAndReleasedOnesDoNot) {
    auto strokeKeys = [&] {
        std::vector<int> keys;
        for (const KeyStroke& stroke : input.Strokes()) keys.push_back(stroke.key);
        return keys;
    };
    PushKey(SDL_SCANCODE_BACKSPACE, true);
    PushKey(SDL_SCANCODE_F1, true);
    PushKey(SDL_SCANCODE_LCTRL, true);
    PushKey(SDL_SCANCODE_X, true);
    PushKey(SDL_SCANCODE_X, false);
    Frame();
    EXPECT_EQ(strokeKeys(), (std::vector<int>{KeyBackspace, KeyX}));
    PushKey(SDL_SCANCODE_X, true);
    PushKey(SDL_SCANCODE_X, false);
    Frame();
    EXPECT_EQ(strokeKeys(), std::vector<int>{KeyX});
    Engine::FrameTime->DeltaSeconds = 0.5f;
    Frame();
    EXPECT_EQ(strokeKeys(), std::vector<int>{KeyBackspace});
}

TEST_F(InputPollTest, FocusLostAndRegained) {
    PushKey(SDL_SCANCODE_SPACE, true);
    PushFocus(false);
    ASSERT_TRUE(input.Poll());
    EXPECT_FALSE(Engine::Graphics->HasFocus);
    EXPECT_FALSE(input.IsKeyDown(KeySpace));
    EXPECT_TRUE(input.CurrentKeys.test(KeySpace));

    PushFocus(true);
    ASSERT_TRUE(input.Poll());
    EXPECT_TRUE(Engine::Graphics->HasFocus);
    EXPECT_TRUE(input.IsKeyDown(KeySpace));
}

TEST_F(InputPollTest, QuitEndsTheFrameAfterThePoll) {
    auto* object = new GameObject();
    object->AddComponent(new RecordingBehavior(log, "b"));
    Engine::Root->AddChild(object);
    ASSERT_TRUE(app.RunFrame(1.0f / 60.0f));
    EXPECT_EQ(log, (std::vector<std::string>{"b.input", "b.update"}));

    log.clear();
    PushKey(SDL_SCANCODE_B, true);
    PushQuit();
    EXPECT_FALSE(app.RunFrame(1.0f / 60.0f));
    EXPECT_TRUE(log.empty()) << "the passes after the poll are skipped";
    EXPECT_TRUE(input.CurrentKeys.test(KeyB)) << "the whole queue is taken";
}

TEST_F(InputPollTest, ACapturedKeyIsNobodyElsesUntilPressedAgainAndAModifierOnlyWhenAlone) {
    input.CaptureNextKey(true);
    PushKey(SDL_SCANCODE_LSHIFT, true);
    PushKey(SDL_SCANCODE_F, true);
    Frame();
    EXPECT_EQ(input.CapturedKey(), KeyF) << "Shift+F is F";
    EXPECT_FALSE(input.IsCapturing());
    EXPECT_FALSE(input.IsKeyDown(KeyF));
    EXPECT_TRUE(input.IsKeyDown(KeyShift));
    PushKey(SDL_SCANCODE_F, true);  // the held key's auto-repeat
    Frame();
    EXPECT_EQ(input.CapturedKey(), KeyNone);
    EXPECT_FALSE(input.IsKeyDown(KeyF));
    PushKey(SDL_SCANCODE_F, false);
    Frame();
    PushKey(SDL_SCANCODE_F, true);
    Frame();
    EXPECT_TRUE(input.IsKeyPressed(KeyF)) << "pressed again, it is everyone's";

    input.CaptureNextKey(true);
    PushKey(SDL_SCANCODE_LCTRL, true);
    PushKey(SDL_SCANCODE_G, true);
    PushKey(SDL_SCANCODE_G, false);  // a tap within one poll
    Frame();
    EXPECT_EQ(input.CapturedKey(), KeyG);
    EXPECT_FALSE(input.IsKeyDown(KeyG));
    EXPECT_TRUE(input.Strokes().empty()) << "not even a Ctrl shortcut";
    PushKey(SDL_SCANCODE_G, true);
    Frame();
    EXPECT_TRUE(input.IsKeyPressed(KeyG));

    input.CaptureNextKey(true);
    PushKey(SDL_SCANCODE_LALT, true);
    Frame();
    EXPECT_EQ(input.CapturedKey(), KeyAlt) << "alone, the asker decides";

    PushKey(SDL_SCANCODE_LALT, false);
    Frame();
    PushKey(SDL_SCANCODE_LALT, true);
    Frame();
    input.CaptureNextKey(true);
    PushKey(SDL_SCANCODE_RETURN, true);
    Frame();
    EXPECT_EQ(input.CapturedKey(), KeyNone) << "Alt+Enter is the fullscreen switch's";
    EXPECT_TRUE(input.IsCapturing());
    EXPECT_TRUE(input.IsKeyPressed(KeyOemEnter));
}

}  // namespace
