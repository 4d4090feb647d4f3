#include "animation/AnimationBhv.h"
#include "audio/CueLoopedBhv.h"
#include "game/En_AntBhv.h"
#include "game/SeedBhv.h"
#include "game/TreePasses.h"
#include "particles/ParticleManagerBhv.h"
#include "physics/B2MainContactListener.h"
#include "physics/PhysicsEditQueue.h"
#include "support/GameplayScene.h"

#include <box2d/box2d.h>

#include <cmath>
#include <numbers>

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kFrame = 1.0f / 32.0f;  // below the step limit, and exact in binary

// Ants of known habits in a gameplay scene with a physics world that reports
// contacts, a particle manager and the cues the ants play. Times: idle 2 s, walk 1 s,
// each back-off stage 0.5 s, birth 1 s, growth 0.5 s, burning 1 s.
class AntTest : public GameplayScene {
protected:
    AntTest() {
        Engine::World->SetContactListener(&contacts);
        AddPrefab("En_Ant", R"({"Components": {
            "B2BodyComponent": {"Type": "2", "GravityScale": "0"},
            "B2FixtureComponent": {"Shape": "Box 0.25 0.75"},
            "B2FixtureComponent": {"Shape": "Polygon -0.25 0.8 0.25 0.8 0.25 1.2 -0.25 1.2", "IsSensor": "true"},
            "SpriteComponent": {"Size": {"X": "2", "Y": "2"}},
            "AnimationBhv": "",
            "En_AntBhv": {"IdleTimeMin": "2", "IdleTimeMax": "2", "MoveTimeMin": "1", "MoveTimeMax": "1",
                "MoveSpeedMin": "1.5", "MoveSpeedMax": "1.5", "TurnInterval": "0.25", "TurnLitIncrease": "1",
                "TurnAwaySpeed": "2", "TurnAwayTimeMin": "0.5", "TurnAwayTimeMax": "0.5",
                "SeedOffset": {"X": "0", "Y": "1"}, "EatIdlesMin": "2", "EatIdlesMax": "2",
                "VaginaOffset": {"X": "0", "Y": "-2"}, "BirthTimeMin": "1", "BirthTimeMax": "1", "GrowTime": "0.5",
                "NewbornSize": {"X": "0.5", "Y": "0.5"}, "InitialHealth": "100", "SizzleThreshold": "60",
                "BurnThreshold": "30", "BurnTimeMin": "1", "BurnTimeMax": "1"}}, "AutoCreate": ""})");
        for (const char* name : {"Pcl_SmokeStream", "Pcl_SmokeStreamLite", "Pcl_FireStream", "Pcl_SparkleBurst"}) {
            AddPrefab(name, R"({"Components": {"Pos2dComponent": ""}, "AutoCreate": ""})");
        }
        for (const char* name : {"Cue_AntEating", "Cue_AntBirth", "Cue_Sizzle", "FireLight"}) {
            AddPrefab(name, R"({"Components": "", "AutoCreate": ""})");
        }
        AddPrefab("Cue_FireCrackle", R"({"Components": {"CueComponent": "", "CueLoopedBhv": ""}, "AutoCreate": ""})");
        particles = Add(&root, "Particles");
        Attach<ParticleManagerBhv>(particles);
        AddScreen();
    }
    ~AntTest() override {
        Engine::World->SetContactListener(nullptr);  // the tree goes after this fixture's members
        Engine::BurningAnts = 0;
    }

    En_AntBhv* AddAnt(Vector2 at, float angle = 0.0f) {
        auto* object = new GameObject("En_Ant");
        Child("Level")->AddChild(object);
        object->SetPosition(at);
        object->SetRotation(angle);
        return object->GetComponent<En_AntBhv>();
    }
    GameObject* AddSeed(Vector2 at) {
        GameObject* seed = AddSolid(Child("Level"), "Seed", at, "");
        SetText(*seed->B2Body(), "Type", "2");
        SetText(*seed->B2Body(), "GravityScale", "0");
        Attach<B2FixtureComponent>(seed)->SetShapeText("Circle 0.3");
        Attach<SeedBhv>(seed);
        return seed;
    }
    static void SetText(IEditable& editable, const std::string& name, const std::string& text) {
        editable.FindProperty(name)->GetSubProperty(name, 0).FromText(text);
    }

    // The loop's passes, physics included; Step and Rest split one frame around the step.
    void Step() {
        time.DeltaSeconds = kFrame;
        time.TotalSeconds += kFrame;
        TreePasses::InputPass(&root);
        TreePasses::PhysicsStep(kFrame);
    }
    void Rest() {
        TreePasses::UpdatePass(&root);
        TreePasses::DeletionPhase();
        input.Update();
    }
    void Run(float seconds) {
        for (int n = static_cast<int>(std::lround(seconds / kFrame)); n > 0; --n) {
            Step();
            Rest();
        }
    }

    static b2Body& BodyOf(const En_AntBhv* ant) { return *ant->B2Body()->ExistingBody(); }
    static std::string Playing(const En_AntBhv* ant) { return ant->Animation()->AnimationName(); }
    static Vector2 Velocity(const En_AntBhv* ant) {
        const b2Vec2 v = BodyOf(ant).GetLinearVelocity();
        return {v.x, v.y};
    }
    std::size_t LevelCount(const std::string& prefab) const {
        std::size_t count = 0;
        for (const GameObject* child : Child("Level")->Children()) count += child->PrefabName == prefab;
        return count;
    }

    B2MainContactListener contacts;
    PhysicsEditQueue& edits = engine.Make(Engine::PhysicsEdits);
    GameObject* particles = nullptr;
};

void ExpectNear(Vector2 actual, Vector2 expected, float tolerance = 1e-4f) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
}

TEST_F(AntTest, IdlesForExactlyTheIdleTimeThenWalksForwardAtItsSpeed) {
    En_AntBhv* ant = AddAnt({0.0f, 0.0f}, kPi / 2.0f);  // facing -x
    EXPECT_EQ(ant->Health, 100.0f);
    for (int phase = 0; phase < 2; ++phase) {
        Run(2.0f - kFrame);
        EXPECT_EQ(ant->State, AntIdle);
        EXPECT_EQ(Playing(ant), "AntIdle");
        ExpectNear(Velocity(ant), {0.0f, 0.0f});
        Run(kFrame);
        EXPECT_EQ(ant->State, AntWalking) << "phase " << phase;
        EXPECT_EQ(Playing(ant), "AntWalk");
        Run(kFrame);  // the next update sets the velocity
        ExpectNear(Velocity(ant), {-1.5f, 0.0f});
        Run(1.0f - 2.0f * kFrame);
        EXPECT_EQ(ant->State, AntWalking);
        Run(kFrame);
        EXPECT_EQ(ant->State, AntIdle);
    }
}

// Two walls, one ahead on each side; the ant turns its head away from the wall.
TEST_F(AntTest, AFeelerContactHaltsThenBacksOffTurningAwayThenIdles) {
    En_AntBhv* right = AddAnt({0.0f, 0.0f});
    En_AntBhv* left = AddAnt({10.0f, 0.0f});
    AddSolid(Child("Level"), "Wall", {1.0f, 1.5f}, "Box 0.9 0.5");  // over the feeler's right edge
    AddSolid(Child("Level"), "Wall", {9.0f, 1.5f}, "Box 0.9 0.5");
    Run(kFrame);
    for (En_AntBhv* ant : {right, left}) {
        EXPECT_EQ(ant->State, AntHalted);
        EXPECT_EQ(Playing(ant), "AntIdle");
        ExpectNear(Velocity(ant), {0.0f, 0.0f});
    }
    Run(0.5f - 2.0f * kFrame);
    EXPECT_EQ(right->State, AntHalted);
    Run(kFrame);  // 0.5 s since the contact, counting its frame
    EXPECT_EQ(right->State, AntBackingOff);
    EXPECT_EQ(Playing(right), "AntWalk");
    Run(kFrame);
    for (En_AntBhv* ant : {right, left}) {
        const float angle = BodyOf(ant).GetAngle();
        ExpectNear(Velocity(ant), {std::sin(angle), -std::cos(angle)});
    }
    EXPECT_FLOAT_EQ(BodyOf(right).GetAngularVelocity(), 2.0f);
    EXPECT_FLOAT_EQ(BodyOf(left).GetAngularVelocity(), -2.0f);
    Run(0.5f - kFrame);
    EXPECT_EQ(right->State, AntIdle);
    EXPECT_EQ(left->State, AntIdle);
}

// A long wall met at a slant, its middle far off on the other side of the ant's
// heading: the ant turns the short way off the wall, not toward the wall's middle.
TEST_F(AntTest, TurnsAwayFromWhereALongWallIsTouchedNotFromItsMiddle) {
    En_AntBhv* ant = AddAnt({0.0f, 0.0f}, 0.3f);  // heading up and a little to the left
    AddSolid(Child("Level"), "Wall", {-19.0f, 1.5f}, "Box 20 0.5");
    Run(kFrame);
    ASSERT_EQ(ant->State, AntHalted);
    EXPECT_EQ(ant->TurnAwayRate, 2.0f) << "turns left, further off the wall";
}

// The feeler began touching while contacts are ignored (a growing newborn), so no new
// contact comes when the ant walks: it still halts and backs off instead of pressing on.
TEST_F(AntTest, AnAntWhoseFeelerIsStillInAWallWhenItWalksTurnsAway) {
    En_AntBhv* ant = AddAnt({0.0f, 0.0f});
    ant->StartGrowing();
    AddSolid(Child("Level"), "Wall", {0.0f, 1.5f}, "Box 0.9 0.5");  // over the feeler only
    Run(2.0f - kFrame);
    EXPECT_EQ(ant->State, AntIdle) << "the contact began while growing";
    Run(2.0f * kFrame);
    EXPECT_EQ(ant->State, AntHalted);
    Run(0.75f);
    ExpectNear(Velocity(ant), {std::sin(BodyOf(ant).GetAngle()), -std::cos(BodyOf(ant).GetAngle())});
}

TEST_F(AntTest, CarriesASeedAtSeedOffsetEatsItAfterTheIdlesAndGivesBirthBehind) {
    En_AntBhv* ant = AddAnt({0.0f, 0.0f}, kPi / 2.0f);  // facing -x, the feeler over x -0.8 ... -1.2
    GameObject* seed = AddSeed({-1.3f, 0.0f});
    Step();
    EXPECT_TRUE(ant->HasPendingJoint()) << "recorded in the step";
    EXPECT_EQ(BodyOf(ant).GetJointList(), nullptr) << "joined only by the update";
    Rest();
    ASSERT_NE(BodyOf(ant).GetJointList(), nullptr);
    b2Joint* weld = BodyOf(ant).GetJointList()->joint;
    EXPECT_EQ(weld->GetBodyB(), seed->B2Body()->ExistingBody());
    ExpectNear(Vector2(weld->GetAnchorA().x, weld->GetAnchorA().y), {-1.0f, 0.0f});  // SeedOffset, turned
    EXPECT_TRUE(ant->CarryingSeed);
    EXPECT_EQ(Playing(ant), "AntStill");

    Run(1.0f);  // the back-off ends in the first idle: one of the two idles eaten
    EXPECT_EQ(ant->State, AntIdle);
    EXPECT_EQ(ant->EatIdlesLeft, 1);
    EXPECT_EQ(LevelCount("Seed"), 1u);
    Run(3.0f);  // idle, walk, then the second idle finishes the seed
    EXPECT_EQ(LevelCount("Seed"), 0u);
    EXPECT_EQ(CuesPlayed("AntEating"), 1u);
    EXPECT_EQ(ant->State, AntGestating);
    EXPECT_FALSE(ant->CarryingSeed);

    Run(1.0f);
    ASSERT_EQ(LevelCount("En_Ant"), 2u);
    const En_AntBhv* newborn = nullptr;
    for (const GameObject* child : Child("Level")->Children()) {
        if (child->PrefabName == "En_Ant" && child != ant->Owner()) newborn = child->GetComponent<En_AntBhv>();
    }
    const float angle = BodyOf(ant).GetAngle();
    const b2Vec2 mother = BodyOf(ant).GetPosition();
    // (0, -2) in the mother's frame.
    ExpectNear(newborn->Owner()->GetPosition(), {mother.x + 2.0f * std::sin(angle), mother.y - 2.0f * std::cos(angle)});
    EXPECT_NEAR(std::remainder(newborn->Owner()->GetRotation() - angle - kPi, 2.0f * kPi), 0.0f, 1e-5f);
    EXPECT_EQ(CuesPlayed("AntBirth"), 1u);
    EXPECT_EQ(Child("Level")->Children().back()->Name, "Rock") << "appended, then sorted under the rock";
    EXPECT_EQ(ant->State, AntWalking);
    EXPECT_EQ(particles->Children().back()->PrefabName, "Pcl_SparkleBurst");

    // Ease-out from 0.5 to the adult's 2: w = 1 - (x - 1)^2 of the way at x = elapsed / 0.5.
    EXPECT_EQ(newborn->State, AntGrowing);
    const float x = newborn->GrowElapsed / 0.5f;
    ASSERT_GT(x, 0.0f);
    ExpectNear(newborn->Sprite()->Size, Vector2(0.5f, 0.5f) + Vector2(1.5f, 1.5f) * (1.0f - (x - 1.0f) * (x - 1.0f)));
    Run(0.5f);
    ExpectNear(newborn->Sprite()->Size, {2.0f, 2.0f});
    EXPECT_EQ(newborn->State, AntIdle);
}

TEST_F(AntTest, DamageSmokesAndIgnitesUpToThirtyBurningAntsAndDeathUncounts) {
    En_AntBhv* ant = AddAnt({0.0f, 0.0f});
    ant->TakeDamage(30.0f);
    EXPECT_EQ(ant->Fire().Smoke(), nullptr);
    ant->TakeDamage(50.0f);  // from 70 to 20: past both thresholds at once
    EXPECT_EQ(CuesPlayed("Sizzle"), 1u);
    EXPECT_TRUE(ant->IsBurning());
    EXPECT_EQ(Engine::BurningAnts, 1);
    EXPECT_NE(ant->Fire().Smoke(), nullptr);
    EXPECT_NE(ant->Fire().Fire(), nullptr);
    ASSERT_NE(ant->Fire().CrackleCue(), nullptr);
    EXPECT_NE(ant->Owner()->FindChild("FireLight"), nullptr);
    const WeakHandle<GameObject> crackle = ant->Fire().CrackleCue()->Owner();
    ant->TakeDamage(50.0f);
    EXPECT_EQ(Engine::BurningAnts, 1) << "burns once";

    Engine::BurningAnts = AntFire::MaxBurningAnts;
    En_AntBhv* other = AddAnt({5.0f, 0.0f});
    other->TakeDamage(90.0f);
    EXPECT_FALSE(other->IsBurning());
    EXPECT_FLOAT_EQ(other->Health, 10.0f);
    Engine::BurningAnts = 1;

    Run(1.0f);
    EXPECT_EQ(LevelCount("En_Ant"), 1u) << "died after its burn time";
    EXPECT_EQ(Engine::BurningAnts, 0);
    EXPECT_FALSE(crackle) << "the crackle was stopped and its cue removed";
}

// A burns. Its body touches B's body, its feeler C's body; nobody is ignited inside the step.
TEST_F(AntTest, FireSpreadsThroughEitherFixtureAtTheNextUpdate) {
    En_AntBhv* a = AddAnt({0.0f, 0.0f});
    En_AntBhv* b = AddAnt({0.4f, -1.0f}, kPi);
    En_AntBhv* c = AddAnt({0.0f, 1.3f}, kPi / 2.0f);
    a->Ignite();
    Step();
    EXPECT_FALSE(b->IsBurning());
    EXPECT_FALSE(c->IsBurning());
    Rest();
    EXPECT_TRUE(b->IsBurning());
    EXPECT_TRUE(c->IsBurning());
    EXPECT_EQ(Engine::BurningAnts, 3);
}

// Facing +y with the mouse between them: the one on the left turns clockwise, the
// other anticlockwise, with every impulse.
TEST_F(AntTest, WithTheLightToolEveryImpulseTurnsTowardTheMouse) {
    En_AntBhv* left = AddAnt({-5.0f, 0.0f});
    En_AntBhv* right = AddAnt({5.0f, 0.0f});
    left->TurnImpulseMax = right->TurnImpulseMax = 0.1f;
    screen->Tool = ToolLight;
    PointAtWorld({0.0f, 0.0f});
    Run(2.0f);
    float leftTurn = 0.0f, rightTurn = 0.0f;
    for (int frame = 0; frame < 24; ++frame) {
        Run(kFrame);
        EXPECT_LE(BodyOf(left).GetAngularVelocity(), leftTurn);
        EXPECT_GE(BodyOf(right).GetAngularVelocity(), rightTurn);
        leftTurn = BodyOf(left).GetAngularVelocity();
        rightTurn = BodyOf(right).GetAngularVelocity();
    }
    EXPECT_LT(BodyOf(left).GetAngle(), 0.0f);
    EXPECT_GT(BodyOf(right).GetAngle(), 0.0f);
}

TEST_F(AntTest, TheSmokeAndFireGoQuietlyWhenTheParticleManagerGoesFirst) {
    En_AntBhv* ant = AddAnt({0.0f, 0.0f});
    ant->TakeDamage(80.0f);
    ASSERT_NE(ant->Fire().Fire(), nullptr);
    delete particles;
    EXPECT_EQ(ant->Fire().Fire(), nullptr);
    EXPECT_EQ(ant->Fire().Smoke(), nullptr);
    Run(1.0f);  // the smoke ends and the ant dies: both reach for particles that are gone
    EXPECT_EQ(LevelCount("En_Ant"), 0u);
    EXPECT_EQ(Engine::BurningAnts, 0);
}

}  // namespace
