#include "core/ContentLog.h"
#include "support/PhysicsTestObjects.h"

#include <box2d/box2d.h>

namespace {

class B2FixtureComponentTest : public PhysicsTest {
protected:
    B2FixtureComponentTest() {
        ContentLog::SetSink([this](ContentLog::Level, const std::string& text) { warnings.push_back(text); });
    }
    ~B2FixtureComponentTest() override { ContentLog::SetSink(nullptr); }

    int FixtureCount(GameObject* object) {
        int count = 0;
        for (b2Fixture* f = object->B2Body()->GetBody()->GetFixtureList(); f != nullptr; f = f->GetNext()) {
            ++count;
        }
        return count;
    }

    std::vector<std::string> warnings;
};

TEST_F(B2FixtureComponentTest, AFreshComponentHasNoShapeAndDensityOne) {
    B2FixtureComponent fixture;
    EXPECT_EQ(GetText(fixture, "Shape"), "");
    EXPECT_EQ(GetText(fixture, "Density"), "1") << "not Box2D's default of 0";
}

TEST_F(B2FixtureComponentTest, FrictionBeforeTheFixtureIsUsedAndAfterChangesItAtOnce) {
    auto* object = new GameObject();
    object->AddComponent(new B2BodyComponent());
    object->B2Body()->GetBody();
    auto* fixture = new B2FixtureComponent();
    object->AddComponent(fixture);
    gameplayRoot->AddChild(object);
    SetText(*fixture, "Friction", "0.7");
    SetText(*fixture, "Shape", "Circle 1");
    ASSERT_NE(fixture->Fixture(), nullptr);
    EXPECT_FLOAT_EQ(fixture->Fixture()->GetFriction(), 0.7f);
    SetText(*fixture, "Friction", "0.1");
    EXPECT_FLOAT_EQ(fixture->Fixture()->GetFriction(), 0.1f);
    SetText(*fixture, "IsSensor", "true");
    EXPECT_TRUE(fixture->Fixture()->IsSensor());
    EXPECT_EQ(fixture->Fixture()->GetUserData().pointer, reinterpret_cast<uintptr_t>(fixture));
}

TEST_F(B2FixtureComponentTest, AFixtureAppliedBeforeItsBodyGetsNoFixture) {
    auto* object = new GameObject();
    auto* fixture = new B2FixtureComponent();
    object->AddComponent(fixture);
    SetText(*fixture, "Shape", "Box 1 1");
    object->AddComponent(new B2BodyComponent());
    gameplayRoot->AddChild(object);
    EXPECT_EQ(FixtureCount(object), 0);
    EXPECT_EQ(fixture->Fixture(), nullptr);
    EXPECT_EQ(GetText(*fixture, "Shape"), "Box 1 1") << "the definition keeps the shape";
}

TEST_F(B2FixtureComponentTest, EachShapeWriteReplacesTheFixture) {
    GameObject* object = AddBody(gameplayRoot, 2, {}, {"Box 1 1"});
    B2FixtureComponent* fixture = FixtureOf(object);
    SetText(*fixture, "Shape", "Circle 0.5");
    EXPECT_EQ(FixtureCount(object), 1);
    EXPECT_EQ(fixture->Fixture()->GetShape()->GetType(), b2Shape::e_circle);
    EXPECT_FALSE(fixture->IsBox);
    EXPECT_NEAR(object->B2Body()->GetBody()->GetMass(), 3.14159f * 0.25f, 1e-4f) << "mass follows the new shape";
}

TEST_F(B2FixtureComponentTest, RejectedTextLeavesNoShapeKeepsTheFixtureAndWarns) {
    GameObject* object = AddBody(gameplayRoot, 2, {}, {"Box 1 1"}, "Crate");
    B2FixtureComponent* fixture = FixtureOf(object);
    b2Fixture* before = fixture->Fixture();
    SetText(*fixture, "Shape", "Polygon 0 0 1 0");
    EXPECT_EQ(GetText(*fixture, "Shape"), "");
    EXPECT_EQ(fixture->Fixture(), before);
    EXPECT_EQ(FixtureCount(object), 1);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("\"Crate\""), std::string::npos) << warnings[0];
    EXPECT_NE(warnings[0].find("\"Polygon 0 0 1 0\""), std::string::npos) << warnings[0];
}

TEST_F(B2FixtureComponentTest, DestroyingTheComponentTakesItsFixtureOffTheBody) {
    GameObject* object = AddBody(gameplayRoot, 2, {}, {"Box 1 1", "Circle 2"});
    delete FixtureOf(object, 1);
    EXPECT_EQ(FixtureCount(object), 1);
    EXPECT_EQ(object->B2Body()->GetBody()->GetFixtureList()->GetShape()->GetType(), b2Shape::e_polygon);
}

TEST_F(B2FixtureComponentTest, AShapeWrittenBeforeTheDensityKeepsTheMassOfTheOldDensity) {
    GameObject* object = AddBody(gameplayRoot, 2, {}, {"Box 1 1"});
    SetText(*FixtureOf(object), "Density", "3");
    EXPECT_FLOAT_EQ(object->B2Body()->GetBody()->GetMass(), 4.0f);
    SetText(*object->B2Body(), "IsFixedRotation", "true");
    EXPECT_FLOAT_EQ(object->B2Body()->GetBody()->GetMass(), 12.0f) << "recomputed by a body write";
}

}  // namespace
