#include "support/PhysicsTestObjects.h"

#include <box2d/box2d.h>

#include <algorithm>

namespace {

class ContactDispatchTest : public PhysicsTest {
protected:
    // A handler that records "<event> <this name>:<other name>" for every call.
    B2FixtureComponent::ContactHandler Recorder(GameObject* object, const std::string& event) {
        return [this, object, event](b2Contact*, b2Fixture* other) {
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
        FixtureOf(object)->BeginContactHandler = Recorder(object, "begin");
        FixtureOf(object)->SetPreSolveHandler(Recorder(object, "presolve"));
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
    FixtureOf(crate)->BeginContactHandler = Recorder(crate, "begin");
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

TEST_F(ContactDispatchTest, PreSolveHandlersAreCountedWhileTheirComponentsLive) {
    const int before = B2FixtureComponent::PreSolveHandlerCount();
    GameObject* crate = AddBody(gameplayRoot, 2, {}, {"Box 1 1", "Circle 1"});
    FixtureOf(crate, 0)->SetPreSolveHandler(Recorder(crate, "presolve"));
    FixtureOf(crate, 0)->SetPreSolveHandler(Recorder(crate, "presolve"));
    FixtureOf(crate, 1)->SetPreSolveHandler(Recorder(crate, "presolve"));
    EXPECT_EQ(B2FixtureComponent::PreSolveHandlerCount(), before + 2) << "replacing a handler counts once";
    FixtureOf(crate, 1)->SetPreSolveHandler(nullptr);
    EXPECT_EQ(B2FixtureComponent::PreSolveHandlerCount(), before + 1);
    delete FixtureOf(crate, 0);
    EXPECT_EQ(B2FixtureComponent::PreSolveHandlerCount(), before);
}

}  // namespace
