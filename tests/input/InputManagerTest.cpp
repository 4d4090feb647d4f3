#include "core/ContentError.h"
#include "core/ContentLog.h"
#include "core/Engine.h"
#include "core/FrameTime.h"
#include "graphics/Graphics.h"
#include "input/InputManager.h"
#include "support/EngineScope.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class InputManagerTest : public ::testing::Test {
protected:
    // One frame at 60 Hz as the loop runs it: update, then the poll's key changes.
    void Frame(float delta = 1.0f / 60.0f) {
        time.DeltaSeconds = delta;
        input.Update();
    }
    void Press(int key) { input.CurrentKeys.set(key); }
    void Release(int key) { input.CurrentKeys.reset(key); }

    EngineScope engine;
    FrameTime& time = engine.Make(Engine::FrameTime);
    Graphics& graphics = engine.Make(Engine::Graphics);
    InputManager& input = engine.Make(Engine::InputManager);
};

TEST_F(InputManagerTest, PressIsAnEdgeAndFocusLossHidesEveryQuery) {
    Press(KeyQ);
    EXPECT_TRUE(input.IsKeyDown(KeyQ));
    EXPECT_TRUE(input.IsKeyPressed(KeyQ));
    Frame();
    EXPECT_TRUE(input.IsKeyTyped(KeyQ));
    EXPECT_TRUE(input.IsKeyDown(KeyQ));
    EXPECT_FALSE(input.IsKeyPressed(KeyQ)) << "still held: no new press";

    input.KeyMappings.emplace(ActionMenuCancel, KeyQ);
    graphics.HasFocus = false;
    EXPECT_FALSE(input.IsKeyDown(KeyQ));
    EXPECT_FALSE(input.IsKeyTyped(KeyQ));
    EXPECT_FALSE(input.IsActionDown(ActionMenuCancel, input.CurrentKeys));
    Release(KeyQ);
    Press(KeyW);
    EXPECT_FALSE(input.IsKeyPressed(KeyW));
    EXPECT_TRUE(input.CurrentKeys.test(KeyW)) << "the state is still tracked";

    graphics.HasFocus = true;
    EXPECT_TRUE(input.IsKeyPressed(KeyW));
    EXPECT_FALSE(input.IsKeyDown(KeyQ));
    EXPECT_TRUE(input.IsActionDown(ActionMenuCancel, input.PreviousKeys));
}

TEST_F(InputManagerTest, HeldKeyTypesAtPressThenAfterTheDelayThenAtTheRepeatRate) {
    Frame();
    Press(KeyA);
    std::vector<int> typedFrames;
    for (int frame = 0; frame < 60; ++frame) {
        Frame();
        if (input.IsKeyTyped(KeyA)) typedFrames.push_back(frame);
    }
    ASSERT_GE(typedFrames.size(), 3u);
    EXPECT_EQ(typedFrames[0], 0) << "the press types at once";
    // Nothing for 0.4 s (24 frames), then about every 0.05 s (3 frames).
    EXPECT_GE(typedFrames[1], 24);
    EXPECT_LE(typedFrames[1], 25);
    for (std::size_t i = 2; i < typedFrames.size(); ++i) {
        EXPECT_GE(typedFrames[i] - typedFrames[i - 1], 3);
        EXPECT_LE(typedFrames[i] - typedFrames[i - 1], 4);
    }
}

TEST_F(InputManagerTest, LongFramesRepeatAtMostOncePerFrame) {
    Frame();
    Press(KeyBackspace);
    Frame(6.0f / 60.0f);
    for (int frame = 0; frame < 10; ++frame) {
        Frame(6.0f / 60.0f);
        EXPECT_LE(input.StrokesThisFrame.size(), 1u);
    }
    EXPECT_EQ(input.StrokesThisFrame.size(), 1u) << "a 0.1 s frame is past the delay and repeats once";
    Release(KeyBackspace);
    Frame();
    EXPECT_TRUE(input.StrokesThisFrame.empty());
    EXPECT_FLOAT_EQ(input.RepeatTimers[KeyBackspace], -0.35f) << "a released key restarts its delay";
}

TEST_F(InputManagerTest, UpdateCopiesStateIntoThePreviousFrame) {
    input.Cursor = {12.0f, 34.0f};
    Press(KeyLeftMouse);
    Frame();
    EXPECT_EQ(input.PreviousCursor, Vector2(12.0f, 34.0f));
    EXPECT_TRUE(input.PreviousKeys.test(KeyLeftMouse));
    EXPECT_TRUE(input.IsKeyTyped(KeyLeftMouse));
}

class KeyMappingsTest : public InputManagerTest {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("vellimor-keys-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string Write(const std::string& text) {
        const fs::path path = dir / "KeyMappings.json";
        std::ofstream(path) << text;
        return path.string();
    }

    fs::path dir;
};

TEST_F(KeyMappingsTest, AnActionMayBeBoundToSeveralKeys) {
    input.LoadKeyMappings(Write(R"({"MenuConfirm": "OemEnter", "MoveLeft": "A", "MenuConfirm": "Space"})"));
    EXPECT_EQ(input.KeyMappings.count(ActionMenuConfirm), 2u);
    InputManager::KeySet keys;
    EXPECT_FALSE(input.IsActionDown(ActionMenuConfirm, keys));
    keys.set(KeySpace);
    EXPECT_TRUE(input.IsActionDown(ActionMenuConfirm, keys));
    keys.reset();
    keys.set(KeyOemEnter);
    EXPECT_TRUE(input.IsActionDown(ActionMenuConfirm, keys));
    EXPECT_FALSE(input.IsActionDown(ActionMoveLeft, keys));
}

TEST_F(KeyMappingsTest, UnknownNamesBindCodeZeroWithOneWarningEach) {
    std::vector<std::string> warnings;
    ContentLog::SetSink([&](ContentLog::Level, const std::string& text) { warnings.push_back(text); });
    const std::string path = Write(R"({"Jump": "Space", "MenuCancel": "Escape", "MoveDown": "S"})");
    input.LoadKeyMappings(path);
    ContentLog::SetSink(nullptr);
    EXPECT_EQ(input.KeyMappings, (std::multimap<int, int>{
                                     {ActionMoveUp, KeySpace}, {ActionMoveDown, KeyS}, {ActionMenuCancel, KeyNone}}));
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0], path + ": unknown action name \"Jump\", bound as code 0");
    EXPECT_EQ(warnings[1], path + ": unknown key name \"Escape\", bound as code 0");
}

TEST_F(KeyMappingsTest, MissingOrMalformedFileStopsStartUpNamingTheFile) {
    const std::string missing = (dir / "Nowhere.json").string();
    try {
        input.LoadKeyMappings(missing);
        FAIL() << "a missing file must stop start-up";
    } catch (const ContentError& e) {
        EXPECT_EQ(std::string(e.what()).rfind(missing + ": ", 0), 0u) << e.what();
    }
    const std::string broken = Write("{\n  \"MoveUp\": \"Up\",\n  \"MoveDown\" \"Down\"\n}\n");
    try {
        input.LoadKeyMappings(broken);
        FAIL() << "malformed JSON must stop start-up";
    } catch (const ContentError& e) {
        EXPECT_EQ(std::string(e.what()).rfind(broken + ": line 3: ", 0), 0u) << e.what();
    }
}

TEST(ShippedKeyMappingsTest, BindArrowsWasdTheMenuKeysOneToFourForTheHudButtonsAndTheGameKeys) {
    InputManager input;
    // This file is tests/input/ of the source tree.
    const fs::path sources = fs::path(__FILE__).parent_path().parent_path().parent_path();
    input.LoadKeyMappings((sources / "content/Config/KeyMappings.json").string());
    const std::multimap<int, int> expected = {
        {ActionMoveUp, KeyUp},         {ActionMoveUp, KeyW},           {ActionMoveDown, KeyDown},
        {ActionMoveDown, KeyS},        {ActionMoveLeft, KeyLeft},      {ActionMoveLeft, KeyA},
        {ActionMoveRight, KeyRight},   {ActionMoveRight, KeyD},        {ActionMenuConfirm, KeyOemEnter},
        {ActionMenuConfirm, KeySpace}, {ActionMenuCancel, KeyEsc},      {ActionDayNight, KeyOem1},
        {ActionDayNight, KeyKeypad1},  {ActionToolFeed, KeyOem2},       {ActionToolFeed, KeyKeypad2},
        {ActionToolExamine, KeyOem3},  {ActionToolExamine, KeyKeypad3}, {ActionToolLight, KeyOem4},
        {ActionToolLight, KeyKeypad4}, {ActionFireStream, KeySpace},   {ActionMute, KeyM},
        {ActionFrameStats, KeyF3},     {ActionScreenshot, KeyF12}};
    EXPECT_EQ(input.KeyMappings, expected);
}

}  // namespace
