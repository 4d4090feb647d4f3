#include "core/DeletionQueues.h"
#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/GameObject.h"
#include "graphics/DebugRectsBhv.h"
#include "graphics/DirectionalSpriteLightBhv.h"
#include "graphics/FireLightBhv.h"
#include "graphics/Pos2dComponent.h"
#include "graphics/SpriteComponent.h"
#include "graphics/Texture.h"
#include "graphics/TintComponent.h"
#include "script/RandomManager.h"
#include "support/EngineScope.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A direction-map light: a sprite on an atlas of three images, the middle one the map.
class DirectionalLightTest : public ::testing::Test {
protected:
    DirectionalLightTest() {
        AddImage("Pad", {0.0f, 0.0f, 0.5f, 0.5f});
        AddImage("Map", {0.5f, 0.25f, 0.25f, 0.5f});
        AddImage("Empty", {0.75f, 0.0f, 0.0f, 0.5f});
        light.AddComponent(sprite);
        light.AddComponent(direction);
        sprite->SetTex(&atlas);
        sprite->SetImageName("Map");
    }
    void AddImage(const std::string& name, Rect rect) {
        atlas.ImageIndex[name] = static_cast<int>(atlas.ImageRects.size());
        atlas.ImageRects.push_back(rect);
        atlas.TrimRects.push_back({0.0f, 0.0f, 1.0f, 1.0f});
        atlas.ImageNames.push_back(name);
    }
    Rect Picked(Vector2 d) {
        direction->SetDirection(d);
        return sprite->ImageRect;
    }

    Texture atlas;
    GameObject light;
    SpriteComponent* sprite = new SpriteComponent();
    DirectionalSpriteLightBhv* direction = new DirectionalSpriteLightBhv();
};

TEST_F(DirectionalLightTest, DirectionPicksOneTexelOfTheImageAndReadsBack) {
    EXPECT_EQ(Picked({0.0f, 0.0f}), Rect(0.625f, 0.5f, 0.0f, 0.0f)) << "the centre";
    EXPECT_EQ(Picked({-1.0f, -1.0f}), Rect(0.5f, 0.25f, 0.0f, 0.0f)) << "the top-left corner";
    EXPECT_EQ(Picked({1.0f, 1.0f}), Rect(0.75f, 0.75f, 0.0f, 0.0f)) << "the bottom-right corner";
    EXPECT_EQ(sprite->GetImageName(), "Map") << "the image keeps its name";

    PropertyRegistration& property = *direction->FindProperty("Direction");
    property.GetSubProperty("Direction", 0).FromText("0.5");
    property.GetSubProperty("Direction", 1).FromText("-0.25");
    EXPECT_NEAR(direction->GetDirection().x, 0.5f, 1e-6f);
    EXPECT_NEAR(direction->GetDirection().y, -0.25f, 1e-6f);
}

TEST_F(DirectionalLightTest, AnEmptyImageReadsZeroAndNoTextureMeansTheWholeAtlas) {
    sprite->SetImageName("Empty");
    EXPECT_EQ(direction->GetDirection(), Vector2()) << "an image of no width";

    GameObject untextured;
    untextured.AddComponent(new SpriteComponent());
    auto* onUntextured = new DirectionalSpriteLightBhv();
    untextured.AddComponent(onUntextured);
    onUntextured->SetDirection({1.0f, -0.5f});
    EXPECT_EQ(untextured.Sprite()->ImageRect, Rect(1.0f, 0.25f, 0.0f, 0.0f));
    EXPECT_EQ(onUntextured->GetDirection(), Vector2(1.0f, -0.5f));

    DirectionalSpriteLightBhv alone;
    alone.SetDirection({1.0f, 1.0f});
    EXPECT_EQ(alone.GetDirection(), Vector2());
}

// A fire light in a tree with frame time and a seeded random source.
class FireLightTest : public ::testing::Test {
protected:
    FireLightTest() {
        engine.Make(Engine::RandomManager).Seed(7);
        flame->AddComponent(new Pos2dComponent());
        flame->AddComponent(new SpriteComponent());
        flame->AddComponent(new TintComponent());
        flame->AddComponent(fire);
        torch.AddComponent(new Pos2dComponent());
        torch.Pos2d()->Pos = {3.0f, 4.0f};
        torch.AddChild(flame);
    }
    void Frame(float delta = 1.0f / 60.0f) {
        time.DeltaSeconds = delta;
        fire->Update();
    }

    EngineScope engine;
    FrameTime& time = engine.Make(Engine::FrameTime);
    GameObject torch;
    GameObject* flame = new GameObject();
    FireLightBhv* fire = new FireLightBhv();
};

TEST_F(FireLightTest, FadesInFromBlackAndRetargetsEveryIntervalOfGameTime) {
    fire->IntervalMin = fire->IntervalMax = 0.2f;
    fire->SizeMin = fire->SizeMax = 2.0f;
    fire->ColorMin = fire->ColorMax = Color(200, 100, 50, 255);
    std::vector<int> retargets;
    for (int frame = 1; frame <= 61; ++frame) {
        Frame();
        if (fire->Elapsed() == 0.0f) {
            retargets.push_back(frame);
        }
        if (frame == 1) {
            EXPECT_EQ(flame->Sprite()->Size, Vector2(0.0f, 0.0f));
            EXPECT_EQ(flame->Tint()->Tint, Color(0, 0, 0, 255));
            EXPECT_EQ(flame->GetPosition(), Vector2(3.0f, 4.0f)) << "on its parent";
        }
        if (frame == 7) {  // half way through the first transition
            EXPECT_NEAR(flame->Sprite()->Size.x, 1.0f, 1e-5f);
            EXPECT_NEAR(flame->Tint()->Tint.r, 100, 1);
            EXPECT_NEAR(flame->Tint()->Tint.g, 50, 1);
        }
    }
    // Twelve frames of 1/60 s make 0.2 s.
    EXPECT_EQ(retargets, (std::vector<int>{1, 13, 25, 37, 49, 61}));
    EXPECT_FLOAT_EQ(fire->Interval(), 0.2f);
}

TEST_F(FireLightTest, AZeroIntervalShowsTheTargetEveryFrame) {
    fire->IntervalMin = fire->IntervalMax = 0.0f;
    fire->SizeMin = fire->SizeMax = 1.5f;
    fire->ColorMin = fire->ColorMax = Color(10, 20, 30, 40);
    for (int frame = 0; frame < 3; ++frame) {
        Frame();
        EXPECT_EQ(flame->Sprite()->Size, Vector2(1.5f, 1.5f));
        EXPECT_EQ(flame->Tint()->Tint, Color(10, 20, 30, 40));
    }
    Frame(0.0f);
    EXPECT_TRUE(std::isfinite(flame->Sprite()->Size.x)) << "no frame time at all";
    EXPECT_EQ(flame->Tint()->Tint, Color(10, 20, 30, 40));
}

// The debug container empties itself while the gameplay runs.
TEST(DebugRectsTest, QueuesItsChildrenOnInputWhileTheGameplayRuns) {
    EngineScope engine;
    DeletionQueues& deletions = engine.Make(Engine::Deletions);
    GameObject gameplay;
    engine.Use(Engine::GameplayRoot, &gameplay);
    GameObject& container = *new GameObject();
    gameplay.AddChild(&container);
    auto* rects = new DebugRectsBhv();
    container.AddComponent(rects);
    rects->Start();
    EXPECT_EQ(Engine::DebugRects, rects);
    container.AddChild(new GameObject());
    container.AddChild(new GameObject());

    gameplay.UpdateEnabled = false;
    rects->HandleInput();
    EXPECT_TRUE(deletions.ObjectsToDelete.empty()) << "paused: the shapes stay";

    gameplay.UpdateEnabled = true;
    rects->HandleInput();
    rects->HandleInput();
    EXPECT_EQ(deletions.ObjectsToDelete.size(), 2u) << "each child once";
    deletions.DeleteQueued();
    EXPECT_TRUE(container.Children().empty());

    auto* later = new DebugRectsBhv();
    container.AddComponent(later);
    later->Start();
    delete rects;
    EXPECT_EQ(Engine::DebugRects, later) << "a former one leaves the current one in place";
    delete later;
    EXPECT_EQ(Engine::DebugRects, nullptr);
}

}  // namespace
