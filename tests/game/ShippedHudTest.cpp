#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/GameObject.h"
#include "core/KeyCode.h"
#include "game/GameplayScreenBhv.h"
#include "game/HudHintBhv.h"
#include "game/HudRootBhv.h"
#include "graphics/FontManager.h"
#include "graphics/SpriteComponent.h"
#include "graphics/TextComponent.h"
#include "app/GameApp.h"
#include "game/TreePasses.h"
#include "graphics/TintComponent.h"
#include "input/InputManager.h"
#include "support/TestAtlas.h"

#include <gtest/gtest.h>

namespace {

// The shipped gameplay prefabs wired together: each HUD button, clicked where the
// player sees it, does its job, and the shipped cycle reaches night.
TEST(ShippedHudTest, EachButtonAtItsPlaceDrivesTheScreen) {
    GameApp app;
    app.LoadContent();
    app.CreateGameplayRoot();
    GameplayScreenBhv* screen = Engine::GameplayScreen;
    ASSERT_NE(screen, nullptr);
    InputManager& input = *Engine::InputManager;
    Engine::FrameTime->DeltaSeconds = 0.25f;
    auto click = [&](float x, float y) {
        input.Cursor = {x, y};
        input.CurrentKeys.set(KeyLeftMouse);
        TreePasses::InputPass(Engine::Root);
        input.Update();
        input.CurrentKeys.reset(KeyLeftMouse);
        input.Update();
    };
    click(128.0f, 48.0f);
    EXPECT_EQ(screen->Tool, 0);
    click(208.0f, 48.0f);
    EXPECT_EQ(screen->Tool, 1);
    click(288.0f, 48.0f);
    EXPECT_EQ(screen->Tool, 2);
    click(48.0f, 48.0f);
    EXPECT_EQ(screen->Phase(), 2) << "dusk";

    for (int i = 0; i < 60; ++i) {  // 15 s
        TreePasses::UpdatePass(Engine::Root);
    }
    EXPECT_EQ(screen->Phase(), 1) << "night";
    const GameObject* light = screen->Owner()->FindChild("FullScreenLight");
    EXPECT_EQ(light->Tint()->Tint, screen->DayNight.Settings.NightColor);
}

// The shipped hint, in its font: the feed button's, on a panel around its text, below
// the buttons and clear of the "Paused" mark's place at the top centre.
TEST(ShippedHudTest, RestingOnFeedShowsItsHintBelowTheButtons) {
    GameApp app;
    app.LoadContent();
    // The shipped fonts without OpenGL, so the label has a font to measure.
    delete Engine::Fonts;
    Engine::Fonts = new FontManager("Content/Fonts", std::make_unique<FakeUploader>());
    Engine::Fonts->LoadFontBank("Main");
    app.CreateGameplayRoot();
    Engine::FrameTime->DeltaSeconds = 0.125f;
    Engine::InputManager->Cursor = {128.0f, 48.0f};
    for (int i = 0; i < 5; ++i) {
        TreePasses::UpdatePass(Engine::Root);
    }
    const GameObject* hint = Engine::HudRoot->FindChild("Hint");
    ASSERT_TRUE(hint->GetComponent<HudHintBhv>()->IsShowing());
    EXPECT_EQ(hint->FindChild("Text")->Text()->Text, "Feed (2): hold the button to drop seeds");
    const Rect panel = hint->Sprite()->GetWorldBounds();
    EXPECT_GT(panel.width, 250.0f) << "as wide as the text";
    EXPECT_GE(panel.y, 80.0f) << "below the buttons";
    EXPECT_LT(panel.x + panel.width, 572.0f) << "left of the Paused mark";
}

}  // namespace
