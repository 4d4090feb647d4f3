#include "support/GameplayScene.h"

namespace {

class HudTest : public GameplayScene {
protected:
    HudTest() {
        AddScreen();
        AddHud();
    }
    HudButtonBhv* Button(const char* name) const { return hud->FindChild(name)->GetComponent<HudButtonBhv>(); }
    // A press of the left mouse button at a screen point, then one frame with it up.
    void ClickAt(Vector2 point) {
        input.Cursor = point;
        Hold(KeyLeftMouse);
        Frame();
        Release(KeyLeftMouse);
        Frame();
    }
};

TEST_F(HudTest, ClickingExamineSelectsItAndHighlightsOnlyItsButton) {
    screen->Tool = ToolFeed;
    Frame();
    EXPECT_TRUE(Button("BtnFeed")->IsHighlighted);

    input.Cursor = {140.0f, 30.0f};  // "BtnExamine" spans 128 ... 192
    Hold(KeyLeftMouse);
    Frame();
    EXPECT_EQ(screen->Tool, ToolExamine);
    EXPECT_TRUE(Button("BtnExamine")->IsHighlighted);
    EXPECT_FALSE(Button("BtnFeed")->IsHighlighted);
    EXPECT_FALSE(Button("BtnLight")->IsHighlighted);
    EXPECT_EQ(CuesPlayed("ButtonClick"), 1u);
    Frame();
    EXPECT_EQ(hud->FindChild("BtnExamine")->Tint()->Tint, (Color{255, 200, 0, 255}));
    EXPECT_EQ(hud->FindChild("BtnFeed")->Tint()->Tint, (Color{255, 255, 255, 255}));
    EXPECT_EQ(CuesPlayed("ButtonClick"), 1u) << "held, not pressed again";
}

TEST_F(HudTest, TheRightAndBottomEdgesAreOutside) {
    const GameObject& light = *hud->FindChild("BtnLight");  // 192 ... 256 by 0 ... 64
    EXPECT_TRUE(HudButtonBhv::Contains(light, {192.0f, 0.0f}));
    EXPECT_TRUE(HudButtonBhv::Contains(light, {255.9f, 63.9f}));
    EXPECT_FALSE(HudButtonBhv::Contains(light, {256.0f, 10.0f}));
    EXPECT_FALSE(HudButtonBhv::Contains(light, {200.0f, 64.0f}));

    ClickAt({256.0f, 10.0f});
    ClickAt({200.0f, 64.0f});
    EXPECT_EQ(screen->Tool, ToolNone);
    EXPECT_FALSE(Engine::HudRoot->IsMouseOverHud());
    input.Cursor = {200.0f, 63.0f};
    EXPECT_TRUE(Engine::HudRoot->IsMouseOverHud());
}

TEST_F(HudTest, DayNightClicksOnlyWhenThePhaseChangesAndNothingReactsWithTheEditorOpenOrNoScreen) {
    ClickAt({10.0f, 10.0f});
    EXPECT_EQ(screen->Phase(), PhaseDusk);
    ClickAt({10.0f, 10.0f});
    EXPECT_EQ(screen->Phase(), PhaseDusk);
    EXPECT_EQ(CuesPlayed("ButtonClick"), 1u) << "no click during the transition";

    above.Pointer = true;  // the open editor
    ClickAt({70.0f, 10.0f});
    EXPECT_EQ(screen->Tool, ToolNone);
    above.Pointer = false;

    delete screen->Owner();
    ClickAt({70.0f, 10.0f});
    ClickAt({10.0f, 10.0f});
    EXPECT_EQ(CuesPlayed("ButtonClick"), 1u);
}

}  // namespace
