// Cost of one frame's passes (input, update, deletion) over a tree of game objects
// with one behaviour each. Reported per object ("items").
#include "app/GameApp.h"
#include "game/TreePasses.h"
#include "core/Behavior.h"
#include "core/Engine.h"
#include "core/GameObject.h"

#include <benchmark/benchmark.h>

namespace {

class CountingBehavior : public Behavior {
public:
    void Update() override { ++updates; }
    void HandleInput() override { ++inputs; }
    long long updates = 0;
    long long inputs = 0;
};

// A shallow tree as levels are: groups of 50 children under the root.
void BuildTree(GameObject& root, int objects) {
    GameObject* group = nullptr;
    for (int i = 0; i < objects; ++i) {
        GameObject* parent = &root;
        if (i % 50 == 0) {
            group = new GameObject();
            group->AddComponent(new CountingBehavior());
            root.AddChild(group);
            continue;
        }
        parent = group;
        auto* object = new GameObject();
        object->AddComponent(new CountingBehavior());
        parent->AddChild(object);
    }
}

void BM_FramePasses(benchmark::State& state) {
    GameApp app;
    const int objects = static_cast<int>(state.range(0));
    BuildTree(*Engine::Root, objects);
    for (auto _ : state) {
        TreePasses::InputPass(Engine::Root);
        TreePasses::UpdatePass(Engine::Root);
        TreePasses::DeletionPhase();
    }
    state.SetItemsProcessed(state.iterations() * objects);
}

}  // namespace

BENCHMARK(BM_FramePasses)->Arg(1000)->Arg(10000);
