#include "core/DeletionQueues.h"
#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/GameObject.h"
#include "graphics/Pos2dComponent.h"
#include "graphics/SpriteComponent.h"
#include "graphics/TintComponent.h"
#include "particles/Pcl_SimpleBhv.h"
#include "script/RandomManager.h"
#include "support/EngineScope.h"

#include <gtest/gtest.h>

namespace {

// One particle with a position, a 2 x 3 sprite and a tint, started the way instancing
// starts it once its values are set.
class SimpleParticleTest : public ::testing::Test {
protected:
    SimpleParticleTest() {
        engine.Make(Engine::Deletions);
        engine.Make(Engine::FrameTime);
        engine.Make(Engine::RandomManager).Seed(11);
        particle.AddComponent(new Pos2dComponent());
        particle.AddComponent(new SpriteComponent());
        particle.AddComponent(new TintComponent());
        particle.Sprite()->Size = {2.0f, 3.0f};
        particle.AddComponent(simple);
    }
    void Step(float delta) {
        Engine::FrameTime->DeltaSeconds = delta;
        simple->Update();
    }
    std::uint8_t Alpha() const { return particle.Tint()->Tint.a; }

    EngineScope engine;
    GameObject particle;
    Pcl_SimpleBhv* simple = new Pcl_SimpleBhv();
};

TEST_F(SimpleParticleTest, WithTheDefaultsItFadesInAndOutOverAQuarterEachKeepsItsSizeAndLivesOneSecond) {
    simple->Start();
    EXPECT_EQ(Alpha(), 0) << "born invisible";
    Step(0.125f);
    EXPECT_EQ(Alpha(), 127) << "halfway through the fade-in: smooth step 0.5";
    Step(0.0625f);
    EXPECT_EQ(Alpha(), 215) << "k = 0.75: 3k^2 - 2k^3 = 0.84375";
    Step(0.3125f);
    EXPECT_EQ(Alpha(), 255);
    Step(0.375f);
    EXPECT_EQ(Alpha(), 127) << "halfway through the fade-out";
    EXPECT_EQ(particle.Sprite()->Size, Vector2(2.0f, 3.0f));
    EXPECT_FALSE(particle.IsQueuedForDeletion());
    Step(0.125f);
    EXPECT_TRUE(particle.IsQueuedForDeletion());
    EXPECT_EQ(simple->Age(), 1.0f);
}

TEST_F(SimpleParticleTest, ItMovesWithTheVelocityBeforeTheForceAndGrowsTowardsItsEndSize) {
    simple->VelocityMin = simple->VelocityMax = {1.0f, 0.0f};
    simple->Force = {0.0f, -2.0f};
    simple->SizeEndMin = simple->SizeEndMax = 3.0f;
    simple->AngularMin = simple->AngularMax = 2.0f;
    simple->Start();
    Step(0.5f);
    Step(0.5f);
    EXPECT_EQ(particle.Pos2d()->Pos, Vector2(1.0f, -0.5f));
    EXPECT_EQ(particle.Pos2d()->Rotation, 2.0f);
    EXPECT_EQ(particle.Sprite()->Size, Vector2(6.0f, 9.0f)) << "size end 3 at the end of life";
}

TEST_F(SimpleParticleTest, StartAndEndTintsShareOneDrawAndSoDoStartAndEndSizes) {
    for (int i = 0; i < 5; ++i) {
        GameObject other;
        other.AddComponent(new SpriteComponent());
        other.AddComponent(new TintComponent());
        auto* drawn = new Pcl_SimpleBhv();
        drawn->TintStartMin = drawn->TintEndMin = Color{0, 0, 0, 255};
        drawn->TintStartMax = Color{200, 200, 200, 255};
        drawn->TintEndMax = Color{100, 100, 100, 255};
        drawn->SizeStartMin = drawn->SizeEndMin = 0.0f;
        drawn->SizeStartMax = 2.0f;
        drawn->SizeEndMax = 1.0f;
        drawn->FadeInAmount = drawn->FadeOutAmount = 0.0f;
        other.AddComponent(drawn);
        drawn->Start();
        const Color start = other.Tint()->Tint;
        const float startSize = other.Sprite()->Size.x;
        EXPECT_EQ(start.a, 255) << "a fade amount of 0 is no fade";
        Engine::FrameTime->DeltaSeconds = 1.0f;
        drawn->Update();
        EXPECT_NEAR(other.Tint()->Tint.r, start.r / 2.0f, 1.0f);
        EXPECT_NEAR(other.Sprite()->Size.x, startSize / 2.0f, 1e-5f);
        EXPECT_EQ(other.Tint()->Tint.a, 255);
    }
}

TEST_F(SimpleParticleTest, ALifespanOfZeroEndsAtTheFirstUpdate) {
    simple->LifespanMin = simple->LifespanMax = 0.0f;
    simple->Start();
    EXPECT_EQ(Alpha(), 0) << "at the end of its fade-out";
    EXPECT_EQ(particle.Sprite()->Size, Vector2(2.0f, 3.0f));
    Step(1.0f / 60.0f);
    EXPECT_TRUE(particle.IsQueuedForDeletion());
    EXPECT_EQ(particle.Sprite()->Size, Vector2(2.0f, 3.0f)) << "no NaN from age / lifespan";
}

}  // namespace
