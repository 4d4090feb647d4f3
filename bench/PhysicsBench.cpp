// 600 frames of physics for N dynamic bodies with two fixtures each (a box and a
// circle) falling onto a static floor. The engine's frames (bodies and fixtures made
// through components, the physics-active pass, GameApp's step) run against the same
// bodies made directly with Box2D and stepped with the same time step and iterations.
// Per-iteration times are per frame; compare the medians of Engine/N and BareBox2D/N
// of one run:
//     ALSOFT_DRIVERS=null ./vellimor_bench --benchmark_filter='BM_Engine|BM_BareBox2D'
//         --benchmark_enable_random_interleaving=true
#include "app/GameApp.h"
#include "game/TreePasses.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "physics/B2BodyComponent.h"
#include "physics/B2FixtureComponent.h"

#include <benchmark/benchmark.h>
#include <box2d/box2d.h>

#include <string>

namespace {

constexpr int kFrames = 600;
constexpr float kFrameSeconds = 1.0f / 60.0f;
constexpr int kColumns = 50;
constexpr float kBoxHalfWidth = 0.4f;
constexpr float kBoxHalfHeight = 0.2f;
constexpr float kCircleRadius = 0.25f;

b2Vec2 StartOf(int index) {
    return b2Vec2(static_cast<float>(index % kColumns) - kColumns / 2.0f, 1.0f + static_cast<float>(index / kColumns));
}

void SetProperty(IEditable& editable, const std::string& name, const std::string& text) {
    editable.FindProperty(name)->GetSubProperty(name, 0).FromText(text);
}

GameObject* MakeEngineObject(const std::string& type, b2Vec2 at, const std::vector<std::string>& shapes) {
    auto* object = new GameObject();
    auto* body = new B2BodyComponent();
    object->AddComponent(body);
    SetProperty(*body, "Type", type);
    body->SetPosition({at.x, at.y});
    for (const std::string& shape : shapes) {
        auto* fixture = new B2FixtureComponent();
        object->AddComponent(fixture);
        SetProperty(*fixture, "Shape", shape);
    }
    return object;
}

void BuildEngineScene(int bodies) {
    auto* gameplayRoot = new GameObject();
    Engine::Root->AddChild(gameplayRoot);
    Engine::GameplayRoot = gameplayRoot;
    gameplayRoot->AddChild(MakeEngineObject("0", b2Vec2(0.0f, -1.0f), {"Box 40 0.5"}));
    const std::string box = "Box " + std::to_string(kBoxHalfWidth) + " " + std::to_string(kBoxHalfHeight);
    const std::string circle = "Circle " + std::to_string(kCircleRadius);
    GameObject* group = nullptr;
    for (int i = 0; i < bodies; ++i) {
        if (i % 50 == 0) {
            group = new GameObject();
            gameplayRoot->AddChild(group);
        }
        group->AddChild(MakeEngineObject("2", StartOf(i), {box, circle}));
    }
}

// What the world looks like after the frames: the two sides must have simulated
// the same scene for their times to compare.
void ReportScene(benchmark::State& state, const b2World& world) {
    int awake = 0;
    float height = 0.0f;
    for (const b2Body* body = world.GetBodyList(); body != nullptr; body = body->GetNext()) {
        awake += body->IsAwake() ? 1 : 0;
        height += body->GetPosition().y;
    }
    state.counters["contacts"] = world.GetContactCount();
    state.counters["awake"] = awake;
    state.counters["height"] = height;
}

void BM_Engine(benchmark::State& state) {
    GameApp app;
    BuildEngineScene(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TreePasses::PhysicsActivePass(Engine::GameplayRoot, true);
        TreePasses::PhysicsStep(kFrameSeconds);
    }
    ReportScene(state, *Engine::World);
}

void AddBareFixtures(b2Body* body, const std::vector<const b2Shape*>& shapes) {
    for (const b2Shape* shape : shapes) {
        b2FixtureDef definition;
        definition.shape = shape;
        definition.density = 1.0f;
        body->CreateFixture(&definition);
    }
}

void BM_BareBox2D(benchmark::State& state) {
    b2World world(b2Vec2(0.0f, -10.0f));
    b2BodyDef floorDefinition;
    floorDefinition.position.Set(0.0f, -1.0f);
    b2PolygonShape floor;
    floor.SetAsBox(40.0f, 0.5f);
    AddBareFixtures(world.CreateBody(&floorDefinition), {&floor});
    b2PolygonShape box;
    box.SetAsBox(kBoxHalfWidth, kBoxHalfHeight);
    b2CircleShape circle;
    circle.m_radius = kCircleRadius;
    for (int i = 0; i < state.range(0); ++i) {
        b2BodyDef definition;
        definition.type = b2_dynamicBody;
        definition.position = StartOf(i);
        AddBareFixtures(world.CreateBody(&definition), {&box, &circle});
    }
    for (auto _ : state) {
        world.Step(kFrameSeconds, 8, 3);
    }
    ReportScene(state, world);
}

}  // namespace

// Medians of five runs each: other work on the machine moves single runs by 10 %.
BENCHMARK(BM_Engine)->Arg(500)->Arg(2000)->Iterations(kFrames)->Repetitions(5)->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareBox2D)->Arg(500)->Arg(2000)->Iterations(kFrames)->Repetitions(5)->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
