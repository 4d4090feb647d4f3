#include "graphics/Pos2dComponent.h"
#include "support/PhysicsTestObjects.h"

#include <box2d/box2d.h>

#include <stdexcept>

namespace {

class B2BodyComponentTest : public PhysicsTest {
protected:
    B2BodyComponent* AttachBody(GameObject& object) {
        auto* body = new B2BodyComponent();
        object.AddComponent(body);
        return body;
    }
    GameObject object;
};

TEST_F(B2BodyComponentTest, ReadingPosMakesAStaticBodyAtTheOriginWithTheDefinitionDefaults) {
    B2BodyComponent* body = AttachBody(object);
    EXPECT_EQ(body->ExistingBody(), nullptr) << "no body before it is needed";
    EXPECT_EQ(GetText(*body, "Pos", 0), "0");
    EXPECT_EQ(GetText(*body, "Pos", 1), "0");
    b2Body* made = body->ExistingBody();
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->GetType(), b2_staticBody);
    EXPECT_EQ(reinterpret_cast<B2BodyComponent*>(made->GetUserData().pointer), body);
    EXPECT_EQ(world.GetBodyCount(), 1);
    EXPECT_EQ(GetText(*body, "GravityScale"), "1");
    EXPECT_EQ(world.GetBodyCount(), 1) << "later reads use the same body";
}

TEST_F(B2BodyComponentTest, AngleThenPosKeepsBoth) {
    B2BodyComponent* body = AttachBody(object);
    SetText(*body, "Angle", "1.5");
    SetText(*body, "Pos", "3", 0);
    SetText(*body, "Pos", "4", 1);
    EXPECT_EQ(body->ExistingBody()->GetPosition(), b2Vec2(3.0f, 4.0f));
    EXPECT_FLOAT_EQ(body->ExistingBody()->GetAngle(), 1.5f);
    SetText(*body, "Angle", "0.25");
    EXPECT_EQ(body->ExistingBody()->GetPosition(), b2Vec2(3.0f, 4.0f)) << "an angle write keeps the position";
}

TEST_F(B2BodyComponentTest, ADynamicBodyFallsWithGravityTimesItsScale) {
    GameObject* falling = AddBody(gameplayRoot, 2, {1.0f, 10.0f}, {"Box 0.5 0.5"});
    SetText(*falling->B2Body(), "GravityScale", "0.5");
    Step();
    const b2Body* body = falling->B2Body()->ExistingBody();
    EXPECT_EQ(body->GetType(), b2_dynamicBody);
    EXPECT_NEAR(body->GetLinearVelocity().y, -10.0f * 0.5f / 60.0f, 1e-5f);
    EXPECT_LT(body->GetPosition().y, 10.0f);
    EXPECT_EQ(body->GetPosition().x, 1.0f);
}

TEST_F(B2BodyComponentTest, FixedRotationRecomputesTheMassAtOnce) {
    GameObject* spinner = AddBody(gameplayRoot, 2, {}, {"Box 1 0.5"});
    B2BodyComponent* body = spinner->B2Body();
    ASSERT_GT(body->ExistingBody()->GetInertia(), 0.0f);
    SetText(*body, "IsFixedRotation", "true");
    EXPECT_EQ(body->ExistingBody()->GetInertia(), 0.0f);
    EXPECT_EQ(GetText(*body, "IsFixedRotation"), "true");
}

TEST_F(B2BodyComponentTest, ATypeOutsideTheThreeBodyTypesChangesNothing) {
    B2BodyComponent* body = AttachBody(object);
    SetText(*body, "Type", "1");
    SetText(*body, "Type", "7");
    SetText(*body, "Type", "-1");
    EXPECT_EQ(GetText(*body, "Type"), "1");
}

TEST_F(B2BodyComponentTest, TheObjectsPlaceComesFromTheBodyWithoutAPositionComponent) {
    B2BodyComponent* body = AttachBody(object);
    EXPECT_EQ(object.B2Body(), body);
    object.SetPosition({2.0f, -3.0f});
    object.SetRotation(0.5f);
    EXPECT_EQ(body->ExistingBody()->GetPosition(), b2Vec2(2.0f, -3.0f));
    EXPECT_FLOAT_EQ(object.GetRotation(), 0.5f);
    EXPECT_EQ(object.GetPosition(), Vector2(2.0f, -3.0f));

    auto* pos = new Pos2dComponent();
    object.AddComponent(pos);
    object.SetPosition({7.0f, 8.0f});
    EXPECT_EQ(pos->Pos, Vector2(7.0f, 8.0f)) << "a position component comes first";
    EXPECT_EQ(body->ExistingBody()->GetPosition(), b2Vec2(2.0f, -3.0f));
}

TEST_F(B2BodyComponentTest, DestroyingTheComponentDestroysItsBodyAndDetachesIt) {
    GameObject* thing = AddBody(gameplayRoot, 2, {}, {"Circle 1"});
    B2FixtureComponent* fixture = FixtureOf(thing);
    ASSERT_EQ(world.GetBodyCount(), 1);
    delete thing->B2Body();
    EXPECT_EQ(world.GetBodyCount(), 0);
    EXPECT_EQ(thing->B2Body(), nullptr);
    EXPECT_EQ(fixture->Fixture(), nullptr) << "the world destroyed the fixture with the body";
    delete fixture;  // must not touch the destroyed fixture
}

TEST(B2BodyComponentWithoutWorldTest, NeedingABodyWithoutAWorldIsAClearError) {
    B2BodyComponent body;
    EXPECT_THROW(body.GetBody(), std::logic_error);
}

}  // namespace
