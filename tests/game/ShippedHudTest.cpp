#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/GameObject.h"
#include "core/KeyCode.h"
#include "game/GameplayScreenBhv.h"
#include "app/GameApp.h"
#include "game/TreePasses.h"
#include "graphics/TintComponent.h"
#include "input/InputManager.h"

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

}  // namespace
