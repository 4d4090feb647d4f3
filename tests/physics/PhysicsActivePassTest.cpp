#include "support/PhysicsTestObjects.h"

#include <box2d/box2d.h>

namespace {

using PhysicsActivePassTest = PhysicsTest;

TEST_F(PhysicsActivePassTest, ADisabledSubtreesBodiesNeitherMoveNorCollide) {
    auto* paused = new GameObject();
    gameplayRoot->AddChild(paused);
    auto* group = new GameObject();
    paused->AddChild(group);
    GameObject* frozen = AddBody(group, 2, {0.0f, 5.0f}, {"Box 0.5 0.5"});
    GameObject* sensor = AddBody(gameplayRoot, 0, {0.0f, 5.0f}, {"Box 2 2"});
    SetText(*FixtureOf(sensor), "IsSensor", "true");
    int contacts = 0;
    FixtureOf(sensor)->BeginContactHandler = [&contacts](b2Contact*, b2Fixture*) { ++contacts; };
    paused->UpdateEnabled = false;
    Step(10);
    EXPECT_FALSE(frozen->B2Body()->ExistingBody()->IsEnabled());
    EXPECT_EQ(frozen->B2Body()->ExistingBody()->GetPosition().y, 5.0f);
    EXPECT_EQ(contacts, 0);

    paused->UpdateEnabled = true;
    Step();
    EXPECT_TRUE(frozen->B2Body()->ExistingBody()->IsEnabled());
    EXPECT_LT(frozen->B2Body()->ExistingBody()->GetPosition().y, 5.0f);
    EXPECT_EQ(contacts, 1);
}

TEST_F(PhysicsActivePassTest, ObjectsBesideGameplayRootAreUntouched) {
    GameObject* beside = AddBody(Engine::Root, 2, {0.0f, 0.0f}, {"Circle 1"});
    beside->B2Body()->ExistingBody()->SetEnabled(false);
    auto* noBody = new GameObject();
    gameplayRoot->AddChild(noBody);  // an object without a body is passed over
    Step();
    EXPECT_FALSE(beside->B2Body()->ExistingBody()->IsEnabled());
}

TEST_F(PhysicsActivePassTest, AFrameStepsAtMostTwoIntervals) {
    GameObject* falling = AddBody(gameplayRoot, 2, {0.0f, 0.0f}, {"Circle 1"});
    ASSERT_TRUE(app.RunFrame(3.0f / 60.0f));
    EXPECT_NEAR(falling->B2Body()->ExistingBody()->GetLinearVelocity().y, -10.0f * 2.0f / 60.0f, 1e-5f);
}

}  // namespace
