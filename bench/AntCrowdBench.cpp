// The CPU cost of one frame for a crowd of ants, without GL: the input pass, the
// physics-active pass and step, the update pass (the ants' behaviour and coroutines,
// their animations), the deletion phase and the twelve sprite walks a frame makes,
// batched on the CPU. The ants are the shipped "En_Ant" prefab with the shipped
// "Main" texture bank (read without uploading it) and animations in a walled field with room for
// each; they wander, bump into one another and the walls and back off. Times are per
// frame after three seconds of warm-up:
//     ALSOFT_DRIVERS=null ./vellimor_bench --benchmark_filter=BM_AntCrowdFrame
#include "animation/AnimationManager.h"
#include "app/Edition.h"
#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/GameObject.h"
#include "game/En_AntBhv.h"
#include "app/GameApp.h"
#include "game/TreePasses.h"
#include "graphics/SpriteBatch.h"
#include "graphics/TextureManager.h"
#include "graphics/TextureUploader.h"
#include "physics/B2BodyComponent.h"
#include "physics/B2FixtureComponent.h"
#include "prefabs/Prefab.h"
#include "prefabs/PrefabManager.h"
#include "script/RandomManager.h"

#include <benchmark/benchmark.h>
#include <box2d/box2d.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <numbers>
#include <string>

namespace {

constexpr float kFrameSeconds = 1.0f / 60.0f;
constexpr int kWarmUpFrames = 180;
constexpr float kRoomPerAnt = 9.0f;  // square units; the shipped level gives each of its ants far more

// The content beside the executable, read from the working directory as the game
// reads it.
void EnterGameDirectory() {
    std::filesystem::current_path(std::filesystem::read_symlink("/proc/self/exe").parent_path());
}

// The atlases are read and decoded as the game reads them; nothing goes to a GPU.
class NoGpuUploader : public TextureUploader {
public:
    unsigned Upload(const Image&) override { return 1; }
    void Release(unsigned) override {}
};

void LoadShippedAnt() {
    delete Engine::TextureManager;  // before the new one: its destructor unplugs the name look-up
    Engine::TextureManager = new TextureManager("Content/Textures", std::make_unique<NoGpuUploader>());
    Engine::TextureManager->LoadTextureBank("Main");
    Engine::Animations->LoadAllAnimations();
    RegisterComponentTypes(*Engine::Prefabs);
    Engine::Prefabs->CreatePrototypes();
    auto prefab = std::make_unique<Prefab>(*Engine::Prefabs, "En_Ant");
    prefab->Load("Content/Prefabs/En_Ant.json");
    Engine::Prefabs->Adopt(std::move(prefab));
}

void AddWall(GameObject& level, Vector2 at, Vector2 halfSize) {
    auto* wall = new GameObject();
    auto* body = new B2BodyComponent();
    wall->AddComponent(body);
    body->SetPosition(at);
    auto* fixture = new B2FixtureComponent();
    wall->AddComponent(fixture);
    fixture->SetShapeText("Box " + std::to_string(halfSize.x) + " " + std::to_string(halfSize.y));
    level.AddChild(wall);
}

// Ants on a grid (3 units apart) at random angles inside a 16:9 walled field.
void BuildField(int ants) {
    auto* gameplayRoot = new GameObject();
    Engine::Root->AddChild(gameplayRoot);
    Engine::GameplayRoot = gameplayRoot;
    auto* level = new GameObject();
    gameplayRoot->AddChild(level);
    const float halfWidth = std::sqrt(ants * kRoomPerAnt * 16.0f / 9.0f) / 2.0f;
    const float halfHeight = halfWidth * 9.0f / 16.0f;
    AddWall(*level, {-halfWidth - 0.5f, 0.0f}, {0.5f, halfHeight + 1.0f});
    AddWall(*level, {halfWidth + 0.5f, 0.0f}, {0.5f, halfHeight + 1.0f});
    AddWall(*level, {0.0f, -halfHeight - 0.5f}, {halfWidth + 1.0f, 0.5f});
    AddWall(*level, {0.0f, halfHeight + 0.5f}, {halfWidth + 1.0f, 0.5f});
    const int columns = static_cast<int>(2.0f * halfWidth / 3.0f);
    RandomManager& random = *Engine::RandomManager;
    random.Seed(11);
    for (int i = 0; i < ants; ++i) {
        auto* ant = new GameObject("En_Ant");
        level->AddChild(ant);
        ant->SetPosition({-halfWidth + 1.5f + 3.0f * static_cast<float>(i % columns),
                          -halfHeight + 1.5f + 3.0f * static_cast<float>(i / columns)});
        ant->SetRotation(random.RandomFloat(-std::numbers::pi_v<float>, std::numbers::pi_v<float>));
    }
}

void RunFrame(SpriteBatch& batch) {
    Engine::FrameTime->DeltaSeconds = kFrameSeconds;
    Engine::FrameTime->TotalSeconds += kFrameSeconds;
    TreePasses::InputPass(Engine::Root);
    TreePasses::PhysicsActivePass(Engine::GameplayRoot, true);
    TreePasses::PhysicsStep(kFrameSeconds);
    TreePasses::UpdatePass(Engine::Root);
    TreePasses::DeletionPhase();
    batch.DepthCounter = 1.0f;
    for (unsigned layer = 1; layer <= 2048; layer <<= 1) {
        batch.BeginBatch();
        batch.DrawTree(Engine::Root, layer, Color(255, 255, 255, 255), Vector2());
    }
}

// How the crowd is doing after the frames: every ant still there, how many walk, how
// many contacts touch, and that the ants' animations were there to play.
void ReportCrowd(benchmark::State& state) {
    int ants = 0, walking = 0, contacts = 0;
    for (const GameObject* object : Engine::GameplayRoot->Children().front()->Children()) {
        if (const auto* ant = object->GetComponent<En_AntBhv>()) {
            ants += 1;
            walking += ant->State == AntWalking;
        }
    }
    for (const b2Contact* c = Engine::World->GetContactList(); c != nullptr; c = c->GetNext()) {
        contacts += c->IsTouching();
    }
    state.counters["ants"] = ants;
    state.counters["walking"] = walking;
    state.counters["touching"] = contacts;
    state.counters["animations"] = static_cast<double>(Engine::Animations->Animations().size());
}

void BM_AntCrowdFrame(benchmark::State& state) {
    EnterGameDirectory();  // the sound and music managers look for their directories at once
    GameApp app;
    LoadShippedAnt();
    BuildField(static_cast<int>(state.range(0)));
    SpriteBatch batch;
    for (int i = 0; i < kWarmUpFrames; ++i) {
        RunFrame(batch);
    }
    for (auto _ : state) {
        RunFrame(batch);
    }
    benchmark::DoNotOptimize(batch.DepthCounter);
    ReportCrowd(state);
}

}  // namespace

// Medians of five runs: other work on the machine moves single runs by 10 %.
BENCHMARK(BM_AntCrowdFrame)->Arg(100)->Arg(1000)->Iterations(600)->Repetitions(5)->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
