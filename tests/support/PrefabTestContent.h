#pragma once

#include "core/ContentLog.h"
#include "core/DeletionQueues.h"
#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/GameConfig.h"
#include "core/GameObject.h"
#include "app/Edition.h"
#include "prefabs/PrefabManager.h"
#include "support/AllValuesComponent.h"
#include "support/EngineScope.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// A fresh temporary directory with "Content/Prefabs" in it, removed at the end;
// messages written through the content log are collected in `warnings`.
class TempContent {
protected:
    TempContent() {
        dir = std::filesystem::temp_directory_path() /
              ("vellimor-prefabs-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir / "Content" / "Prefabs");
        ContentLog::SetSink([this](ContentLog::Level, const std::string& text) { warnings.push_back(text); });
    }

    ~TempContent() {
        ContentLog::SetSink(nullptr);
        std::filesystem::remove_all(dir);
    }

    std::filesystem::path PrefabDir() const { return dir / "Content" / "Prefabs"; }

    void WriteFile(const std::filesystem::path& path, const std::string& text) const {
        std::ofstream(path, std::ios::binary) << text;
    }

    static std::string ReadFile(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::filesystem::path dir;
    std::vector<std::string> warnings;
    static inline int counter = 0;
};

// A tree (Root, the deletion queues, frame time) and a prefab manager reading the
// temporary content, with the game's component types plus the test types
// registered and prototypes made.
class PrefabTestContent : public ::testing::Test, protected TempContent {
protected:
    PrefabTestContent() {
        config.ContentDirectory = dir / "Content";
        RegisterComponentTypes(manager);
        manager.Register<AllValuesComponent>("AllValuesComponent");
        manager.Register<StartLogBehavior>("StartLogBehavior");
        manager.CreatePrototypes();
        StartLogBehavior::Log = &starts;
    }

    ~PrefabTestContent() override { StartLogBehavior::Log = nullptr; }

    // Writes <name>.json into the prefab directory and loads it into the manager.
    Prefab* AddPrefab(const std::string& name, const std::string& json) {
        WriteFile(PrefabDir() / (name + ".json"), json);
        auto prefab = std::make_unique<Prefab>(manager, name);
        prefab->Load(PrefabDir() / (name + ".json"));
        return manager.Adopt(std::move(prefab));
    }

    // The log outlives the tree: behaviours that record into it may go with the tree.
    std::vector<std::string> starts;
    EngineScope engine;
    DeletionQueues& deletions = engine.Make(Engine::Deletions);
    FrameTime& time = engine.Make(Engine::FrameTime);
    GameConfig& config = engine.Make(Engine::GameConfig);
    PrefabManager& manager = engine.Make(Engine::Prefabs);
    GameObject& root = engine.Make(Engine::Root);
};
