#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/GameObject.h"
#include "game/En_AntBhv.h"
#include "game/MagnifyingGlassBhv.h"
#include "game/WorldEventsBhv.h"
#include "graphics/Graphics.h"
#include "graphics/Pos2dComponent.h"
#include "input/InputManager.h"
#include "physics/B2BodyComponent.h"
#include "physics/B2FixtureComponent.h"
#include "support/EngineScope.h"

#include <box2d/b2_world.h>
#include <gtest/gtest.h>

namespace {

// A glass whose focus "Light" sits half a unit to the right of it, over a world with
// a two-fixture ant and a pebble just beside the focus.
class MagnifyingGlassTest : public ::testing::Test {
protected:
    MagnifyingGlassTest() {
        time.DeltaSeconds = 0.5f;
        glass.AddComponent(new Pos2dComponent());
        glass.AddComponent(burner);
        burner->DamagePerSec = 10.0f;
        auto* focus = new GameObject();
        focus->Name = "Light";
        auto* offset = new Pos2dComponent();
        offset->Pos = {0.5f, 0.0f};
        offset->IsRelative = true;
        focus->AddComponent(offset);
        glass.AddChild(focus);
    }
    // An object with a static body at `at` and one fixture per shape.
    GameObject* AddBody(Vector2 at, std::initializer_list<const char*> shapes) {
        auto* object = new GameObject();
        auto* body = new B2BodyComponent();
        object->AddComponent(body);
        body->SetPosition(at);
        for (const char* shape : shapes) {
            auto* fixture = new B2FixtureComponent();
            object->AddComponent(fixture);
            fixture->FindProperty("Shape")->GetSubProperty("Shape", 0).FromText(shape);
        }
        level.AddChild(object);
        return object;
    }
    // The world camera shows the origin at the middle of the 1280 x 720 screen, 32
    // pixels to the unit, y up.
    void MouseAtWorld(Vector2 p) { input.Cursor = {640.0f + p.x * 32.0f, 360.0f - p.y * 32.0f}; }

    EngineScope engine;
    b2World& world = engine.Make(Engine::World, b2Vec2(0.0f, -10.0f));
    FrameTime& time = engine.Make(Engine::FrameTime);
    Graphics& graphics = engine.Make(Engine::Graphics);
    InputManager& input = engine.Make(Engine::InputManager);
    GameObject level;
    GameObject glass;
    MagnifyingGlassBhv* burner = new MagnifyingGlassBhv();
};

TEST_F(MagnifyingGlassTest, FollowsTheMouseAndFindsEachFixtureUnderItsFocus) {
    GameObject* ant = AddBody({3.5f, 1.0f}, {"Circle 0.3", "Box 0.2 0.2"});
    auto* antBehaviour = new En_AntBhv();
    ant->AddComponent(antBehaviour);
    antBehaviour->Health = 100.0f;
    AddBody({4.0f, 1.0f}, {"Circle 0.3"});  // 0.1 clear of the focus square

    MouseAtWorld({3.0f, 1.0f});
    burner->Update();
    EXPECT_EQ(glass.Pos2d()->Pos, Vector2(3.0f, 1.0f));
    EXPECT_EQ(burner->LastHits(), (std::vector<GameObject*>{ant, ant})) << "once per fixture";
    EXPECT_FLOAT_EQ(burner->LastDamage(), 5.0f);
    EXPECT_FLOAT_EQ(antBehaviour->Health, 90.0f) << "burnt once per fixture";

    MouseAtWorld({-2.0f, 0.0f});
    burner->Update();
    EXPECT_EQ(glass.Pos2d()->Pos, Vector2(-2.0f, 0.0f));
    EXPECT_TRUE(burner->LastHits().empty());
}

TEST(WorldEventsTest, TheCurrentHubIsTheLastStartedUntilItGoes) {
    auto first = std::make_unique<WorldEventsBhv>();
    auto second = std::make_unique<WorldEventsBhv>();
    first->Start();
    second->Start();
    first.reset();
    EXPECT_EQ(Engine::WorldEvents, second.get());
    second.reset();
    EXPECT_EQ(Engine::WorldEvents, nullptr);
}

}  // namespace
