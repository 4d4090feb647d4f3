// Prefab loading and instancing.
//
// BM_LoadPrefabFiles reads 500 prefab files into prefabs; BM_ParsePropertyTree is its
// peer, the bare property tree JSON parse of the same files, so the ratio of the two
// per-file times is what the prefab reader adds to parsing. BM_InstantiateNested
// builds (and deletes) a tree of 10 011 objects from four levels of nested prefabs.
#include "app/GameApp.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "graphics/Pos2dComponent.h"
#include "app/Edition.h"
#include "prefabs/PrefabManager.h"

#include <benchmark/benchmark.h>
#include <boost/property_tree/json_parser.hpp>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kFiles = 500;

// A typical object prefab: three components with values and two children with
// overrides (about 1 KB of JSON).
std::string ObjectPrefab(int i) {
    const std::string n = std::to_string(i);
    return R"({
    "Components": {
        "Pos2dComponent": {
            "IsRelative": "true",
            "Pos": {
                "X": ")" + n + R"(.25",
                "Y": "-)" + n + R"(.5"
            },
            "Rotation": "0.785398185"
        },
        "TintComponent": {
            "Tint": {
                "A": "0.498039216",
                "Rgb": "ff8000"
            }
        },
        "ThingComponent": {
            "LayeringOrder": ")" + n + R"("
        }
    },
    "AutoCreate": [
        {
            "Name": "Shadow",
            "InstanceProperties": {
                "Pos2dComponent": {
                    "Pos": {
                        "X": "0.100000001",
                        "Y": "-0.200000003"
                    }
                },
                "TintComponent": {
                    "Tint": {
                        "A": "0.250980407",
                        "Rgb": "000000"
                    }
                }
            },
            "Prefab": "Shadow"
        },
        {
            "Prefab": "Legs"
        }
    ]
}
)";
}

class PrefabFiles {
public:
    PrefabFiles() : dir(std::filesystem::temp_directory_path() / ("vellimor-bench-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(dir);
        for (int i = 0; i < kFiles; ++i) {
            paths.push_back(dir / ("Object" + std::to_string(i) + ".json"));
            std::ofstream(paths.back()) << ObjectPrefab(i);
        }
    }
    ~PrefabFiles() { std::filesystem::remove_all(dir); }

    std::filesystem::path dir;
    std::vector<std::filesystem::path> paths;
};

PrefabFiles& Files() {
    static PrefabFiles files;
    return files;
}

void BM_LoadPrefabFiles(benchmark::State& state) {
    GameApp app;
    PrefabManager& manager = *Engine::Prefabs;
    RegisterComponentTypes(manager);
    manager.CreatePrototypes();
    for (auto _ : state) {
        for (const auto& path : Files().paths) {
            Prefab prefab(manager, path.stem().string());
            prefab.Load(path);
            benchmark::DoNotOptimize(prefab.Components.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
}

void BM_ParsePropertyTree(benchmark::State& state) {
    for (auto _ : state) {
        for (const auto& path : Files().paths) {
            boost::property_tree::ptree tree;
            boost::property_tree::read_json(path.string(), tree);
            benchmark::DoNotOptimize(tree.size());
        }
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
}

// World > 10 Nest > 10 Chamber each > 99 Ant each: 1 + 10 + 100 + 9900 objects.
void AddNestedPrefabs(PrefabManager& manager) {
    auto add = [&manager](const std::string& name, const std::string& child, int count) {
        auto prefab = std::make_unique<Prefab>(manager, name);
        boost::property_tree::ptree tree;
        std::istringstream json(ObjectPrefab(count));
        boost::property_tree::read_json(json, tree);
        tree.get_child("AutoCreate").clear();
        prefab->Read(tree);
        for (int i = 0; i < count; ++i) {
            auto entry = std::make_unique<AutoCreate>();
            entry->Owner = prefab.get();
            entry->PrefabName = child;
            prefab->AutoCreates.push_back(std::move(entry));
        }
        manager.Adopt(std::move(prefab));
    };
    add("World", "Nest", 10);
    add("Nest", "Chamber", 10);
    add("Chamber", "Ant", 99);
    add("Ant", "", 0);
    // Every ant gets an instance override, as level objects do.
    for (const auto& entry : manager.Find("Chamber")->AutoCreates) {
        entry->InstanceProperties.push_back(manager.Find("Ant")->Components[0]->Clone());
    }
}

void BM_InstantiateNested(benchmark::State& state) {
    GameApp app;
    PrefabManager& manager = *Engine::Prefabs;
    RegisterComponentTypes(manager);
    manager.CreatePrototypes();
    AddNestedPrefabs(manager);
    for (auto _ : state) {
        auto* world = new GameObject("World");
        benchmark::DoNotOptimize(world);
        delete world;
    }
    state.SetItemsProcessed(state.iterations() * 10011);
}

}  // namespace

BENCHMARK(BM_LoadPrefabFiles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParsePropertyTree)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InstantiateNested)->Unit(benchmark::kMillisecond);
