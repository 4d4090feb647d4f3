// CPU cost of turning the scene tree into batched quads: one walk of N sprites on
// one layer (BeginBatch + DrawTree), and the twelve walks of a whole frame's layers.
// Reported per sprite ("items"). No GPU involved.
#include "core/GameObject.h"
#include "graphics/Pos2dComponent.h"
#include "graphics/SpriteBatch.h"
#include "graphics/SpriteComponent.h"
#include "graphics/Texture.h"

#include <benchmark/benchmark.h>

namespace {

void BuildSprites(GameObject& root, Texture& texture, int count) {
    for (int i = 0; i < count; ++i) {
        auto* object = new GameObject();
        auto* pos = new Pos2dComponent();
        pos->Pos = Vector2(static_cast<float>(i % 1280), static_cast<float>(i % 720));
        object->AddComponent(pos);
        auto* sprite = new SpriteComponent();
        sprite->SetTex(&texture);
        sprite->Size = Vector2(32, 32);
        object->AddComponent(sprite);
        root.AddChild(object);
    }
}

void BM_TreeWalkAndBatch(benchmark::State& state) {
    Texture texture;
    GameObject root;
    const int count = static_cast<int>(state.range(0));
    BuildSprites(root, texture, count);
    SpriteBatch batch;
    for (auto _ : state) {
        batch.DepthCounter = 1.0f;
        batch.BeginBatch();
        batch.DrawTree(&root, LayerBit(DrawLayer::Background), Color(255, 255, 255, 255), Vector2());
        benchmark::DoNotOptimize(batch.GroupVertices(0).data());
    }
    state.SetItemsProcessed(state.iterations() * count);
}

void BM_TwelveLayerWalks(benchmark::State& state) {
    Texture texture;
    GameObject root;
    const int count = static_cast<int>(state.range(0));
    BuildSprites(root, texture, count);
    SpriteBatch batch;
    for (auto _ : state) {
        batch.DepthCounter = 1.0f;
        for (unsigned layer = 1; layer <= 2048; layer <<= 1) {
            batch.BeginBatch();
            batch.DrawTree(&root, layer, Color(255, 255, 255, 255), Vector2());
        }
        benchmark::DoNotOptimize(batch.DepthCounter);
    }
    state.SetItemsProcessed(state.iterations() * count);
}

}  // namespace

BENCHMARK(BM_TreeWalkAndBatch)->Arg(1000)->Arg(10000);
BENCHMARK(BM_TwelveLayerWalks)->Arg(10000);
