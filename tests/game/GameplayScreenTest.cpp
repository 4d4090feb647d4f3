#include "core/ContentLog.h"
#include "particles/ParticleManagerBhv.h"
#include "support/GameplayScene.h"

#include <algorithm>

namespace {

class GameplayScreenTest : public GameplayScene {
protected:
    Color TintOf(const char* child) const { return Child(child)->Tint()->Tint; }
    Vector2 LightDirection() const {
        return Child("FullScreenLight")->GetComponent<DirectionalSpriteLightBhv>()->GetDirection();
    }
    std::size_t SeedsInLevel() const {
        const auto names = LevelNames();
        return static_cast<std::size_t>(std::count(names.begin(), names.end(), "Seed"));
    }
    void FeedAt(Vector2 p) {
        screen->Tool = ToolFeed;
        PointAtWorld(p);
        Hold(KeyLeftMouse);
    }
    // The button let go for a frame, so the next held frame starts a fresh drop.
    void Regrip() {
        Release(KeyLeftMouse);
        Frame();
        Hold(KeyLeftMouse);
    }
    bool Near(Color c, Color expected) const {
        return std::abs(c.r - expected.r) <= 1 && std::abs(c.g - expected.g) <= 1 && std::abs(c.b - expected.b) <= 1 &&
               std::abs(c.a - expected.a) <= 1;
    }

    const Color day{200, 100, 40, 255};
    const Color duskDawn{40, 20, 200, 55};
    const Color night{0, 0, 80, 0};
    void SetCycle(float dusk, float nightfall) {
        DayNightSettings& s = screen->DayNight.Settings;
        s.DayColor = day;
        s.DuskDawnColor = duskDawn;
        s.NightColor = night;
        s.DuskTransitionTime = dusk;
        s.NightTransitionTime = nightfall;
        s.DayLightDir = {-1.0f, 0.5f};
        s.DuskLightDir = {0.5f, -1.0f};
    }
};

TEST_F(GameplayScreenTest, StartRegistersLoadsTheLevelFirstAndItsChildrenSortByLayeringOrder) {
    AddScreen();
    EXPECT_EQ(Engine::GameplayScreen, screen);
    EXPECT_EQ(screen->Owner()->Children().front(), Child("Level"));
    EXPECT_EQ(LevelNames(), (std::vector<std::string>{"Rock", "Dirt"}));
    Frame();
    EXPECT_EQ(LevelNames(), (std::vector<std::string>{"Dirt", "Rock"})) << "no ThingComponent sorts as 0";

    screen->LoadLevel("Lvl_Nowhere");
    Frame();
    EXPECT_EQ(screen->Owner()->Children().front(), Child("Level"));
    EXPECT_TRUE(Child("Level")->Children().empty());
    EXPECT_EQ(screen->Owner()->Children().size(), 4u) << "the old level is gone";
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("Lvl_Nowhere"), std::string::npos);

    delete screen->Owner();
    EXPECT_EQ(Engine::GameplayScreen, nullptr);
}

TEST_F(GameplayScreenTest, TheToggleRunsDuskAndNightfallIntoNightEasingColoursAndMovingTheLightLinearly) {
    AddScreen();
    SetCycle(1.0f, 1.0f);
    Frame(0.25f);
    EXPECT_EQ(TintOf("FullScreenLight"), day);
    ASSERT_TRUE(screen->ToggleDayNight());
    EXPECT_EQ(screen->Phase(), PhaseDusk);

    Frame(0.25f);
    Frame(0.25f);
    Frame(0.25f);  // t = 0.5: ease-in weighs dusk/dawn t^2 = 25 %
    EXPECT_TRUE(Near(TintOf("FullScreenLight"), Color{160, 80, 80, 205}));
    EXPECT_EQ(LightDirection(), Vector2(-0.25f, -0.25f));
    for (int phase = PhaseDusk; phase <= PhaseSunrise; ++phase) {
        screen->DayNight.Phase = phase;
        EXPECT_FALSE(screen->ToggleDayNight()) << phase;
        EXPECT_EQ(screen->Phase(), phase);
    }
    screen->DayNight.Phase = PhaseDusk;

    for (int frame = 0; frame < 5; ++frame) Frame(0.25f);
    EXPECT_NE(TintOf("FullScreenLight"), night);
    Frame(0.25f);  // dusk + nightfall = 2 s after the toggle
    EXPECT_EQ(TintOf("FullScreenLight"), night);
    EXPECT_EQ(screen->Phase(), PhaseNight);
    EXPECT_TRUE(screen->ToggleDayNight());
    EXPECT_EQ(screen->Phase(), PhaseDawn);
}

TEST_F(GameplayScreenTest, ProgressIsClampedForAZeroLengthOrOneEditedBelowTheTimeLeft) {
    AddScreen();
    SetCycle(0.0f, 4.0f);
    screen->ToggleDayNight();
    Frame();
    EXPECT_EQ(TintOf("FullScreenLight"), duskDawn) << "a zero length is already finished";
    EXPECT_EQ(screen->Phase(), PhaseNightfall);

    SetCycle(4.0f, 4.0f);
    screen->DayNight.Phase = PhaseDay;
    Frame();
    screen->ToggleDayNight();
    Frame(1.0f);
    Frame(1.0f);
    screen->DayNight.Settings.DuskTransitionTime = 1.0f;  // 2 s are still left
    Frame(1.0f);
    EXPECT_EQ(TintOf("FullScreenLight"), day);
    EXPECT_EQ(LightDirection(), Vector2(-1.0f, 0.5f));
}

TEST_F(GameplayScreenTest, FlashlightRunsFromBaseInDaylightToBasePlusFactorAndIsClamped) {
    AddScreen();
    SetCycle(1.0f, 1.0f);
    Frame();
    EXPECT_EQ(TintOf("TestLight").a, 51) << "0.2 at full day";
    screen->DayNight.Phase = PhaseNight;  // ambient alpha 0
    Frame();
    EXPECT_EQ(TintOf("TestLight").a, 229) << "0.9";

    screen->DayNight.Phase = PhaseDay;
    screen->DayNight.Settings.DayColor.a = 0;
    Frame();
    EXPECT_EQ(TintOf("TestLight").a, 229) << "a day alpha of 0 counts as fully dimmed";
    screen->FlashlightBase = 0.5f;
    Frame();
    EXPECT_EQ(TintOf("TestLight").a, 255);
    screen->FlashlightBase = -2.0f;
    Frame();
    EXPECT_EQ(TintOf("TestLight").a, 0);
}

TEST_F(GameplayScreenTest, ToolsShowTheFlashlightAndTheGlassButTheFlashlightAlwaysFollowsTheMouse) {
    AddScreen();
    GameObject* glass = Child("MagnifyingGlass");
    for (int tool : {ToolNone, ToolLight, ToolExamine, ToolFeed}) {
        screen->Tool = tool;
        PointAtWorld({static_cast<float>(tool), -2.0f});
        Frame();
        EXPECT_EQ(Child("TestLight")->DrawEnabled, tool == ToolLight) << tool;
        EXPECT_EQ(Child("TestLight")->GetPosition(), Vector2(static_cast<float>(tool), -2.0f)) << tool;
        EXPECT_EQ(glass->InputEnabled, tool == ToolExamine) << tool;
        EXPECT_EQ(glass->UpdateEnabled, tool == ToolExamine) << tool;
        EXPECT_EQ(glass->DrawEnabled, tool == ToolExamine) << tool;
    }
}

TEST_F(GameplayScreenTest, HoldingTheButtonDropsASeedAtOnceThenEveryIntervalInLayeringOrder) {
    AddScreen();
    screen->SeedDropInterval = 0.5f;
    Frame();
    FeedAt({3.0f, 2.0f});
    std::vector<std::size_t> seeds;
    for (int frame = 0; frame < 8; ++frame) {
        Frame();
        seeds.push_back(SeedsInLevel());
        if (frame == 3) {
            EXPECT_EQ(LevelNames().back(), "Seed") << "appended last";
        }
        if (frame == 4) {
            EXPECT_EQ(LevelNames(), (std::vector<std::string>{"Dirt", "Seed", "Seed", "Rock"}));
        }
    }
    // The wait starts counting down in the frame of the press.
    EXPECT_EQ(seeds, (std::vector<std::size_t>{1, 1, 1, 2, 2, 2, 2, 3}));
    Release(KeyLeftMouse);
    for (int frame = 0; frame < 8; ++frame) Frame();
    EXPECT_EQ(SeedsInLevel(), 3u);
    EXPECT_EQ(CuesPlayed("SeedDrop"), 3u);
    for (const GameObject* seed : Child("Level")->Children()) {
        if (seed->Name != "Seed") continue;
        const Vector2 away = seed->GetPosition() - Vector2(3.0f, 2.0f);
        EXPECT_LT(away.x * away.x + away.y * away.y, 1.5f * 1.5f);
    }
}

TEST_F(GameplayScreenTest, StonesTheHudAndTheOpenEditorBlockADropButAntsDoNot) {
    AddScreen();
    GameObject* stone = AddSolid(&root, "Stone", {0.0f, 0.0f}, "Box 2 2");
    FeedAt({0.0f, 0.0f});
    Frame();
    EXPECT_EQ(SeedsInLevel(), 0u);
    delete stone;

    AddSolid(&root, "En_Ant", {0.0f, 0.0f}, "Box 2 2");
    Regrip();
    Frame();
    EXPECT_EQ(SeedsInLevel(), 1u);

    AddHud();
    input.Cursor = {70.0f, 10.0f};  // on "BtnFeed"
    Regrip();
    Frame();
    EXPECT_EQ(SeedsInLevel(), 1u);

    PointAtWorld({0.0f, 0.0f});
    above.Pointer = true;  // the open editor
    Regrip();
    Frame();
    EXPECT_EQ(SeedsInLevel(), 1u);
    EXPECT_EQ(CuesPlayed("SeedDrop"), 1u);
}

TEST_F(GameplayScreenTest, SpaceLightsAFireStreamAtTheMouseThatBurnsOutOnItsOwn) {
    Engine::InputManager->KeyMappings.emplace(ActionFireStream, KeySpace);
    AddPrefab("Pcl_FireStream", R"({"Components": {"Pos2dComponent": ""}, "AutoCreate": ""})");
    GameObject* particles = Add(&root, "Particles");
    Attach<ParticleManagerBhv>(particles);
    AddScreen();
    PointAtWorld({2.0f, 1.0f});
    Hold(KeySpace);
    Frame();
    Frame();  // held: one stream per press
    ASSERT_EQ(particles->Children().size(), 1u);
    EXPECT_EQ(particles->Children()[0]->GetPosition(), Vector2(2.0f, 1.0f));
    Release(KeySpace);
    for (int i = 0; i < 8; ++i) Frame();
    EXPECT_EQ(particles->Children().size(), 1u) << "burning at 1.25 s";
    Frame();
    Frame();
    EXPECT_TRUE(particles->Children().empty()) << "out at 1.5 s";
}

TEST_F(GameplayScreenTest, AMissingChildOrComponentSkipsItsStepWithOneWarningEach) {
    AddScreen({});
    Add(screen->Owner(), "FullScreenLight");
    screen->Tool = ToolFeed;
    for (int frame = 0; frame < 3; ++frame) Frame();
    EXPECT_EQ(warnings.size(), 4u);
    for (const char* name : {"TestLight", "MagnifyingGlass", "TintComponent", "DirectionalSpriteLightBhv"}) {
        EXPECT_EQ(std::count_if(warnings.begin(), warnings.end(),
                                [name](const std::string& w) { return w.find(name) != std::string::npos; }),
                  1)
            << name;
    }
}

TEST_F(GameplayScreenTest, FramePipelineSettingsWriteThroughToGraphics) {
    AddScreen();
    screen->FindProperty("ShadowSpread")->GetSubProperty("ShadowSpread", 0).FromText("2.5");
    screen->FindProperty("BackgroundColor")->GetSubProperty("BackgroundColor", 1).FromText("102030");
    EXPECT_EQ(graphics.ShadowSpread, 2.5f);
    EXPECT_EQ(graphics.BackgroundColor, (Color{0x10, 0x20, 0x30, 255}));
    graphics.ShadowDarkness = 0.5f;
    EXPECT_EQ(screen->FindProperty("ShadowDarkness")->GetSubProperty("ShadowDarkness", 0).ToText(), "0.5");
}

}  // namespace
