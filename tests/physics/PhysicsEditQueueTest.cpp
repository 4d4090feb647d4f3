#include "physics/PhysicsEditQueue.h"
#include "support/PhysicsTestObjects.h"

#include <box2d/box2d.h>

#include <set>

namespace {

// Bodies and fixtures made or destroyed from contact handlers, that is inside
// b2World::Step, where Box2D itself would abort.
class PhysicsEditQueueTest : public PhysicsTest {
protected:
    PhysicsEditQueueTest() { floor = AddBody(gameplayRoot, 0, {}, {"Box 20 0.5"}, "floor"); }

    // A dynamic crate resting in the floor at x, so it touches it in the first step.
    GameObject* CrateOnFloor(float x, const std::string& name) {
        return AddBody(gameplayRoot, 2, {x, 0.9f}, {"Box 0.5 0.5"}, name);
    }

    // Every body names a live component that names it back, and so does every fixture.
    void ExpectConsistentWorld() {
        std::set<const b2Body*> bodies;
        for (GameObject* object : gameplayRoot->Children()) {
            ASSERT_NE(object->B2Body()->ExistingBody(), nullptr) << object->Name;
            bodies.insert(object->B2Body()->ExistingBody());
        }
        for (b2Body* body = world.GetBodyList(); body != nullptr; body = body->GetNext()) {
            EXPECT_TRUE(bodies.count(body));
            auto* component = reinterpret_cast<B2BodyComponent*>(body->GetUserData().pointer);
            ASSERT_NE(component, nullptr);
            EXPECT_EQ(component->ExistingBody(), body);
            for (b2Fixture* f = body->GetFixtureList(); f != nullptr; f = f->GetNext()) {
                auto* fixture = reinterpret_cast<B2FixtureComponent*>(f->GetUserData().pointer);
                ASSERT_NE(fixture, nullptr);
                EXPECT_EQ(fixture->Fixture(), f);
            }
        }
        EXPECT_EQ(world.GetBodyCount(), static_cast<int>(bodies.size()));
        EXPECT_EQ(Engine::PhysicsEdits->Size(), 0u);
    }

    GameObject* floor = nullptr;
};

TEST_F(PhysicsEditQueueTest, DestroyingCreatingAndRemovingInOneStepLeaveAConsistentWorld) {
    // Two crates overlapping in mid-air: whichever handler runs first deletes both
    // objects; the other's handlers (begin and the pre-solve that follows at once)
    // must stay silent.
    GameObject* left = AddBody(gameplayRoot, 2, {10.0f, 10.0f}, {"Box 0.5 0.5"}, "left");
    GameObject* right = AddBody(gameplayRoot, 2, {10.5f, 10.0f}, {"Box 0.5 0.5"}, "right");
    int destroyerCalls = 0;
    int preSolveCalls = 0;
    for (GameObject* object : {left, right}) {
        FixtureOf(object)->BeginContactHandler = [&, left, right](b2Contact*, b2Fixture*) {
            ++destroyerCalls;
            delete left;
            delete right;
        };
        FixtureOf(object)->SetPreSolveHandler([&](b2Contact*, b2Fixture*) { ++preSolveCalls; });
    }
    // A crate on the floor that drops a seed where it lands.
    GameObject* seed = nullptr;
    GameObject* dropper = CrateOnFloor(-5.0f, "dropper");
    FixtureOf(dropper)->BeginContactHandler = [&](b2Contact*, b2Fixture*) {
        seed = AddBody(gameplayRoot, 2, {3.0f, 4.0f}, {"Circle 0.25"}, "seed");
    };
    // A sled whose runner removes itself on touching the floor; its circle stays.
    GameObject* sled = AddBody(gameplayRoot, 2, {5.0f, 0.9f}, {"Box 0.5 0.5", "Circle 0.25"}, "sled");
    B2FixtureComponent* runner = FixtureOf(sled, 0);
    B2FixtureComponent* circle = FixtureOf(sled, 1);
    runner->BeginContactHandler = [runner](b2Contact*, b2Fixture*) { delete runner; };
    runner->SetPreSolveHandler([&](b2Contact*, b2Fixture*) { ++preSolveCalls; });
    ASSERT_EQ(world.GetBodyCount(), 5);

    Step();

    EXPECT_EQ(destroyerCalls, 1);
    EXPECT_EQ(preSolveCalls, 0) << "handlers of deleted components are silent for the rest of the step";
    EXPECT_EQ(world.GetBodyCount(), 4) << "floor, dropper, sled and the seed";
    ASSERT_NE(seed, nullptr);
    const b2Body* seedBody = seed->B2Body()->ExistingBody();
    ASSERT_NE(seedBody, nullptr) << "made right after the step";
    EXPECT_EQ(seedBody->GetPosition(), b2Vec2(3.0f, 4.0f));
    EXPECT_EQ(seedBody->GetType(), b2_dynamicBody);
    ASSERT_NE(FixtureOf(seed)->Fixture(), nullptr);
    EXPECT_EQ(FixtureOf(seed)->Fixture()->GetBody(), seedBody);
    EXPECT_EQ(FixtureOf(sled), circle);
    EXPECT_EQ(sled->B2Body()->ExistingBody()->GetFixtureList(), circle->Fixture());
    EXPECT_EQ(circle->Fixture()->GetNext(), nullptr);
    ExpectConsistentWorld();
    Step(3);
    ExpectConsistentWorld();
}

TEST_F(PhysicsEditQueueTest, APendingBodyAnswersFromItsDefinitionAndIsMadeFromIt) {
    GameObject* crate = CrateOnFloor(0.0f, "crate");
    auto* made = new GameObject();
    auto* body = new B2BodyComponent();
    made->AddComponent(body);
    auto* fixture = new B2FixtureComponent();
    made->AddComponent(fixture);
    gameplayRoot->AddChild(made);
    auto* dropped = new B2BodyComponent();
    std::vector<std::string> seen;
    FixtureOf(crate)->BeginContactHandler = [&](b2Contact*, b2Fixture*) {
        SetText(*body, "Type", "2");
        SetText(*body, "Pos", "3", 0);
        SetText(*body, "Pos", "-4", 1);
        made->SetRotation(0.5f);
        SetText(*body, "GravityScale", "0.25");
        SetText(*fixture, "Friction", "0.7");
        SetText(*fixture, "Shape", "Circle 1");
        SetText(*fixture, "Shape", "Circle 0.5");
        seen = {GetText(*body, "Type"), GetText(*body, "Pos", 0), GetText(*body, "Pos", 1),
                GetText(*body, "Angle"), GetText(*body, "GravityScale"), GetText(*fixture, "Shape")};
        EXPECT_TRUE(body->IsBodyPending());
        EXPECT_EQ(made->GetPosition(), Vector2(3.0f, -4.0f));
        dropped->GetBody();  // asked for, then deleted within the same step: never made
        delete dropped;
    };

    Step();

    EXPECT_EQ(seen, (std::vector<std::string>{"2", "3", "-4", "0.5", "0.25", "Circle 0.5"}));
    const b2Body* b = body->ExistingBody();
    ASSERT_NE(b, nullptr);
    EXPECT_FALSE(body->IsBodyPending());
    EXPECT_EQ(b->GetType(), b2_dynamicBody);
    EXPECT_EQ(b->GetPosition(), b2Vec2(3.0f, -4.0f));
    EXPECT_FLOAT_EQ(b->GetAngle(), 0.5f);
    EXPECT_FLOAT_EQ(b->GetGravityScale(), 0.25f);
    ASSERT_NE(fixture->Fixture(), nullptr);
    EXPECT_EQ(fixture->Fixture()->GetNext(), nullptr) << "two shape writes, one fixture";
    EXPECT_FLOAT_EQ(fixture->Fixture()->GetShape()->m_radius, 0.5f);
    EXPECT_FLOAT_EQ(fixture->Fixture()->GetFriction(), 0.7f);
    EXPECT_EQ(world.GetBodyCount(), 3) << "floor, crate and the made body";
    ExpectConsistentWorld();
}

}  // namespace
