#include "input/InputManager.h"
#include "physics/FixtureMouseListenerBhv.h"
#include "physics/FixtureMouseManagerBhv.h"
#include "physics/FixtureQueries.h"
#include "support/PhysicsTestObjects.h"

#include <box2d/box2d.h>

namespace {

class FixturePickingTest : public PhysicsTest {
protected:
    FixtureMouseListenerBhv* Listen(GameObject* object) {
        auto* listener = new FixtureMouseListenerBhv();
        object->AddComponent(listener);
        return listener;
    }
    std::vector<B2FixtureComponent*> Square(float halfSize, float x, float y) {
        std::vector<B2FixtureComponent*> found;
        QueryFixturesInSquare(found, halfSize, x, y);
        return found;
    }
};

TEST_F(FixturePickingTest, TheSquareQueryTestsShapesExactly) {
    GameObject* ball = AddBody(gameplayRoot, 0, {0.0f, 0.0f}, {"Circle 1"});
    GameObject* crate = AddBody(gameplayRoot, 0, {5.0f, 0.0f}, {"Box 1 1"});
    EXPECT_EQ(Square(0.15f, 0.0f, 0.0f), std::vector<B2FixtureComponent*>{FixtureOf(ball)});
    EXPECT_EQ(Square(0.15f, 4.0f, 1.0f), std::vector<B2FixtureComponent*>{FixtureOf(crate)});
    // Inside the circle's bounding box, outside the circle itself.
    EXPECT_TRUE(Square(0.1f, 0.9f, 0.9f).empty());
    EXPECT_EQ(QueryFixturesNearPoint(world, {0.95f, 0.95f}, FixtureMouseManagerBhv::MouseReach),
              std::vector<B2FixtureComponent*>{FixtureOf(ball)})
        << "the mouse test uses bounding boxes only";
    EXPECT_TRUE(Square(0.0f, 0.0f, 0.0f).empty()) << "no square, nothing found";
}

TEST_F(FixturePickingTest, FixturesWithoutAComponentAreNeverReported) {
    b2BodyDef definition;
    b2Body* raw = world.CreateBody(&definition);
    b2CircleShape circle;
    circle.m_radius = 1.0f;
    raw->CreateFixture(&circle, 1.0f);
    EXPECT_TRUE(Square(0.15f, 0.0f, 0.0f).empty());
    EXPECT_TRUE(QueryFixturesNearPoint(world, {0.0f, 0.0f}, 0.0625f).empty());
}

TEST_F(FixturePickingTest, TheManagerMarksTheFirstListenerOfObjectsUnderTheMouse) {
    GameObject* ball = AddBody(gameplayRoot, 0, {0.0f, 0.0f}, {"Circle 1"});
    GameObject* far = AddBody(gameplayRoot, 0, {20.0f, 0.0f}, {"Circle 1"});
    FixtureMouseListenerBhv* first = Listen(ball);
    FixtureMouseListenerBhv* second = Listen(ball);
    FixtureMouseListenerBhv* farListener = Listen(far);

    FixtureMouseManagerBhv::MarkListenersNear(world, {0.5f, 0.0f});
    EXPECT_TRUE(first->MouseOverPending);
    EXPECT_FALSE(second->MouseOverPending) << "only the first listener is set";
    EXPECT_FALSE(farListener->MouseOverPending);

    first->HandleInput();
    farListener->HandleInput();
    EXPECT_TRUE(first->IsMouseOver);
    EXPECT_FALSE(first->MouseOverPending);
    EXPECT_FALSE(farListener->IsMouseOver);
    first->HandleInput();
    EXPECT_FALSE(first->IsMouseOver) << "nothing marked it this frame";
}

TEST_F(FixturePickingTest, TheInputPassRunsTheMouseTestAtTheCursor) {
    auto* manager = new FixtureMouseManagerBhv();
    gameplayRoot->AddComponent(manager);
    GameObject* ball = AddBody(gameplayRoot, 0, {0.0f, 0.0f}, {"Circle 1"});
    FixtureMouseListenerBhv* listener = Listen(ball);
    Engine::InputManager->Cursor = {640.0f, 360.0f};  // the middle of the screen shows the origin
    TreePasses::InputPass(Engine::Root);
    EXPECT_TRUE(listener->IsMouseOver) << "the manager's object comes first in the pass";
    Engine::InputManager->Cursor = {0.0f, 0.0f};
    TreePasses::InputPass(Engine::Root);
    EXPECT_FALSE(listener->IsMouseOver);
}

}  // namespace
