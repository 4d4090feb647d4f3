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
    simple->TintStartMin = simple->TintEndMin = Color{0, 0, 0, 255};
    simple->TintStartMax = Color{200, 200, 200, 255};
    simple->TintEndMax = Color{100, 100, 100, 255};
    simple->SizeStartMax = 2.0f;
    simple->SizeStartMin = simple->SizeEndMin = 0.0f;
    simple->FadeInAmount = simple->FadeOutAmount = 0.0f;
    simple->Start();
    const Color start = particle.Tint()->Tint;
    const float startSize = particle.Sprite()->Size.x;
    EXPECT_EQ(start.a, 255) << "a fade amount of 0 is no fade";
    Step(1.0f);
    EXPECT_NEAR(particle.Tint()->Tint.r, start.r / 2.0f, 1.0f) << "the end tint from the start tint's draw";
    EXPECT_NEAR(particle.Sprite()->Size.x, startSize / 2.0f, 1e-5f) << "the end size from the start size's draw";
    EXPECT_EQ(Alpha(), 255);
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
