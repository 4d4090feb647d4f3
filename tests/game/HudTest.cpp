#include "game/HudHintBhv.h"
#include "game/UiScreen.h"
#include "graphics/TextComponent.h"
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
    // The hint as the HUD holds it: a panel with a text child; the feed button's hint.
    HudHintBhv* AddHint() {
        Button("BtnFeed")->HintName = "Feed";
        Button("BtnFeed")->HintAction = "ToolFeed";
        input.KeyMappings = {{ActionToolFeed, KeyOem2}, {ActionToolFeed, KeyKeypad2}};
        Button("BtnFeed")->HintText = "hold the button to drop seeds";
        GameObject* object = Add(hud, "Hint");
        Attach<Pos2dComponent>(object);
        Attach<SpriteComponent>(object)->Size = {100.0f, 34.0f};
        Attach<TextComponent>(Add(object, "Text"));
        return Attach<HudHintBhv>(object);
    }
    std::string HintText() const { return hud->FindChild("Hint")->FindChild("Text")->Text()->Text; }
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

TEST_F(HudTest, TheToolKeysChooseLikeTheButtonsButNotWhileTheKeysAreTakenOrTheGameIsPaused) {
    input.KeyMappings.emplace(ActionToolFeed, KeyOem2);
    input.KeyMappings.emplace(ActionDayNight, KeyOem1);
    const auto press = [&](int key) {
        Hold(key);
        Frame();
        Release(key);
        Frame();
    };
    above.Keys = true;  // a field of the open editor
    press(KeyOem2);
    EXPECT_EQ(screen->Tool, ToolNone);
    above.Keys = false;
    UiScreen::SetPauseReason(UiScreen::PauseReason::Menu, true);
    press(KeyOem2);
    EXPECT_EQ(screen->Tool, ToolNone);
    UiScreen::SetPauseReason(UiScreen::PauseReason::Menu, false);

    press(KeyOem2);
    EXPECT_EQ(screen->Tool, ToolFeed);
    EXPECT_TRUE(Button("BtnFeed")->IsHighlighted);
    press(KeyOem1);
    EXPECT_EQ(screen->Phase(), PhaseDusk);
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

TEST_F(HudTest, TheHintShowsAfterHalfASecondOnAButtonBelowItWithTheKeyBoundNowAndGoesWithThePointerOrAClick) {
    HudHintBhv* hint = AddHint();
    input.Cursor = {90.0f, 30.0f};  // "BtnFeed" spans 64 ... 128
    for (int i = 0; i < 4; ++i) Frame();
    EXPECT_FALSE(hint->IsShowing()) << "0.375 s on the button";
    Frame();
    ASSERT_TRUE(hint->IsShowing()) << "0.5 s";
    EXPECT_EQ(HintText(), "Feed (2): hold the button to drop seeds");
    const Rect panel = hint->Owner()->Sprite()->GetWorldBounds();
    EXPECT_EQ(panel.x, 64.0f) << "in line with the button";
    EXPECT_GT(panel.y, 64.0f) << "below it";

    input.Cursor = {90.0f, 200.0f};
    Frame();
    EXPECT_FALSE(hint->IsShowing());

    input.KeyMappings = {{ActionToolFeed, KeyF}};
    input.Cursor = {100.0f, 30.0f};
    for (int i = 0; i < 5; ++i) Frame();
    EXPECT_TRUE(hint->IsShowing()) << "back after another rest";
    EXPECT_EQ(HintText(), "Feed (F): hold the button to drop seeds") << "the key as bound now";
    ClickAt({100.0f, 30.0f});
    for (int i = 0; i < 8; ++i) Frame();
    EXPECT_FALSE(hint->IsShowing()) << "a click sends it away while the pointer stays";

    input.Cursor = {40.0f, 30.0f};  // the day/night button has no hint
    for (int i = 0; i < 8; ++i) Frame();
    EXPECT_FALSE(hint->IsShowing());
}

TEST_F(HudTest, NoHintWhileTheGameIsPausedOrTheEditorTakesThePointer) {
    HudHintBhv* hint = AddHint();
    input.Cursor = {90.0f, 30.0f};
    UiScreen::PauseGameplay();
    for (int i = 0; i < 8; ++i) Frame();
    EXPECT_FALSE(hint->IsShowing()) << "paused by the menu";
    UiScreen::ResumeGameplay();
    for (int i = 0; i < 5; ++i) Frame();
    EXPECT_TRUE(hint->IsShowing());

    above.Pointer = true;  // the open editor
    Frame();
    EXPECT_FALSE(hint->IsShowing());
}

TEST_F(HudTest, AHintOfAButtonAtTheWindowsEdgeStaysInside) {
    HudHintBhv* hint = AddHint();
    // A narrow button in the bottom right corner: the panel (24 pixels wide without a
    // font) would run past both edges of the window from there.
    AddButton(hud, "BtnCorner", {1266.0f, 690.0f}, {14.0f, 30.0f})->GetComponent<HudButtonBhv>()->HintName = "Corner";
    input.Cursor = {1270.0f, 710.0f};
    for (int i = 0; i < 5; ++i) Frame();
    ASSERT_TRUE(hint->IsShowing());
    const Rect panel = hint->Owner()->Sprite()->GetWorldBounds();
    EXPECT_EQ(panel.x + panel.width, 1272.0f) << "8 pixels from the right edge";
    EXPECT_EQ(panel.y + panel.height, 682.0f) << "8 pixels above the button";
}

}  // namespace
