#include "app/GameApp.h"
#include "audio/SoundManager.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "core/KeyCode.h"
#include "game/HudMessageFlashBhv.h"
#include "game/SoundOptions.h"
#include "game/TreePasses.h"
#include "game/UiMenuRootBhv.h"
#include "game/UiScreen.h"
#include "graphics/TextComponent.h"
#include "input/InputManager.h"
#include "platform/PlayerSettings.h"

#include <gtest/gtest.h>

namespace {

// The shipped pause menu and options screen, driven by keys and clicks where the
// player sees them (no window: vsync and the window size have nothing to show).
class ShippedOptionsTest : public ::testing::Test {
protected:
    ShippedOptionsTest() {
        std::filesystem::remove(PlayerSettings::Location());
        app.LoadContent();
        app.CreateGameplayRoot();
    }
    ~ShippedOptionsTest() override { std::filesystem::remove(PlayerSettings::Location()); }

    void Frame() {
        TreePasses::InputPass(Engine::Root);
        TreePasses::UpdatePass(Engine::Root);
        TreePasses::DeletionPhase();
        input.Update();
    }
    void Tap(int key) {
        input.CurrentKeys.set(key);
        Frame();
        input.CurrentKeys.reset(key);
        Frame();
    }
    void Click(float x, float y) {
        input.Cursor = {x, y};
        Frame();
        Tap(KeyLeftMouse);
    }
    bool Shown(const char* name) const { return UiScreen::IsShown(Engine::MenuRoot->FindChild(name)); }
    std::string Value(const char* row) const {
        return Engine::MenuRoot->FindChild("UiOptions")->FindChild(row)->FindChild("Value")->Text()->Text;
    }
    static PlayerSettings Kept() { return PlayerSettings::Load(); }

    GameApp app;
    InputManager& input = *Engine::InputManager;
};

TEST_F(ShippedOptionsTest, KeysAndClicksChangeEachVolumeAndMuteAtOnceAndKeepThem) {
    Tap(KeyEsc);
    Tap(KeyDown);
    Tap(KeyDown);
    Tap(KeyOemEnter);  // "Options", below "Controls"
    Frame();
    ASSERT_TRUE(Shown("UiOptions"));
    EXPECT_FALSE(Shown("UiMainMenu"));
    EXPECT_EQ(Value("MasterVolume"), "100");
    EXPECT_EQ(Value("VSync"), "Not offered");

    Tap(KeyLeft);
    EXPECT_EQ(Kept().MasterVolume, 90);
    EXPECT_EQ(Engine::SoundManager->Levels().Master, 90);
    Tap(KeyRight);
    Tap(KeyRight);  // no further than 100
    EXPECT_EQ(Kept().MasterVolume, 100);

    Tap(KeyDown);
    for (int i = 0; i < 11; ++i) Tap(KeyLeft);  // no lower than 0
    EXPECT_EQ(Kept().MusicVolume, 0);
    Tap(KeyDown);
    Tap(KeyOemEnter);  // Enter steps round: past 100 back to 0
    EXPECT_EQ(Kept().EffectsVolume, 0);
    Frame();
    EXPECT_EQ(Value("EffectsVolume"), "0");

    Click(970.0f, 245.0f);  // the music row's ">"
    Click(970.0f, 245.0f);
    EXPECT_EQ(Kept().MusicVolume, 20);
    Click(710.0f, 245.0f);  // its "<"
    EXPECT_EQ(Engine::SoundManager->Levels().Music, 10);
    Click(400.0f, 355.0f);  // the "Mute" row's name
    EXPECT_TRUE(Kept().Mute);
    EXPECT_TRUE(Engine::SoundManager->Levels().Mute);
    EXPECT_EQ(Kept().MusicVolume, 10) << "mute keeps the levels";

    Click(640.0f, 595.0f);  // "Back"
    Frame();
    EXPECT_FALSE(Shown("UiOptions"));
    EXPECT_TRUE(Shown("UiMainMenu"));
}

TEST_F(ShippedOptionsTest, EscLeavesTheOptionsAndTheMuteActionSaysWhatItDid) {
    Tap(KeyEsc);
    UiScreen::Hide(Engine::MenuRoot->FindChild("UiMainMenu"));
    Engine::MenuRoot->OpenMenu("UiOptions");
    Frame();
    Tap(KeyEsc);
    Frame();
    EXPECT_FALSE(Shown("UiOptions"));
    EXPECT_TRUE(Shown("UiMainMenu"));

    const TextComponent* flash = Engine::MessageFlash->FindChild("HudText")->Text();
    SoundOptions::ToggleMute();
    EXPECT_EQ(flash->Text, "Sound off");
    EXPECT_TRUE(Kept().Mute);
    SoundOptions::ToggleMute();
    EXPECT_EQ(flash->Text, "Sound on");
    EXPECT_FALSE(Engine::SoundManager->Levels().Mute);
}

}  // namespace
