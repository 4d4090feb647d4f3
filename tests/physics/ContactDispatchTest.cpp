#include "support/PhysicsTestObjects.h"

#include <box2d/box2d.h>

#include <algorithm>

namespace {

class ContactDispatchTest : public PhysicsTest {
protected:
    // Records "<this name>:<other name>" for every call of the handler.
    void Listen(GameObject* object, B2FixtureComponent::ContactHandler B2FixtureComponent::*handler,
                const std::string& event) {
        FixtureOf(object)->*handler = [this, object, event](b2Contact*, b2Fixture* other) {
            auto* otherComponent = reinterpret_cast<B2FixtureComponent*>(other->GetUserData().pointer);
            const std::string otherName = otherComponent != nullptr ? otherComponent->Owner()->Name : "raw";
            log.push_back(event + " " + object->Name + ":" + otherName);
        };
    }

    std::vector<std::string> log;
};

TEST_F(ContactDispatchTest, FixtureAsHandlerRunsFirstWithFixtureBThenBsWithA) {
    GameObject* floor = AddBody(gameplayRoot, 0, {0.0f, 0.0f}, {"Box 5 0.5"}, "floor");
    GameObject* crate = AddBody(gameplayRoot, 2, {0.0f, 0.9f}, {"Box 0.5 0.5"}, "crate");
    for (GameObject* object : {floor, crate}) {
        Listen(object, &B2FixtureComponent::BeginContactHandler, "begin");
        Listen(object, &B2FixtureComponent::PreSolveHandler, "presolve");
    }
    Step();
    ASSERT_EQ(world.GetContactCount(), 1);
    const b2Contact* contact = world.GetContactList();
    const auto nameOf = [](b2Fixture* f) {
        return reinterpret_cast<B2FixtureComponent*>(f->GetUserData().pointer)->Owner()->Name;
    };
    const std::string a = nameOf(const_cast<b2Contact*>(contact)->GetFixtureA());
    const std::string b = nameOf(const_cast<b2Contact*>(contact)->GetFixtureB());
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(log[0], "begin " + a + ":" + b);
    EXPECT_EQ(log[1], "begin " + b + ":" + a);
    EXPECT_EQ(log[2], "presolve " + a + ":" + b);
    EXPECT_EQ(log[3], "presolve " + b + ":" + a);
}

TEST_F(ContactDispatchTest, FixturesWithoutAComponentOrHandlerAreSkipped) {
    GameObject* crate = AddBody(gameplayRoot, 2, {0.0f, 0.6f}, {"Box 0.5 0.5"}, "crate");
    GameObject* silent = AddBody(gameplayRoot, 2, {0.5f, 1.0f}, {"Box 0.5 0.5"}, "silent");
    Listen(crate, &B2FixtureComponent::BeginContactHandler, "begin");
    b2BodyDef definition;
    b2Body* raw = world.CreateBody(&definition);
    b2PolygonShape floor;
    floor.SetAsBox(5.0f, 0.2f);
    raw->CreateFixture(&floor, 1.0f);
    Step();
    std::sort(log.begin(), log.end());
    EXPECT_EQ(log, (std::vector<std::string>{"begin crate:raw", "begin crate:silent"}));
    EXPECT_FALSE(FixtureOf(silent)->BeginContactHandler);
}

}  // namespace
