#pragma once

#include "core/Engine.h"
#include "app/GameApp.h"
#include "core/GameConfig.h"
#include "core/ContentLog.h"
#include "prefabs/ComponentTypes.h"
#include "prefabs/PrefabManager.h"
#include "support/AllValuesComponent.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// A GameApp whose content lives in a fresh temporary directory, with the game's
// component types plus the test types registered and prototypes made. Messages
// written through Log are collected in `warnings`.
class PrefabTestContent : public ::testing::Test {
protected:
    PrefabTestContent() {
        dir = std::filesystem::temp_directory_path() /
              ("vellimor-prefabs-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir / "Content" / "Prefabs");
        Engine::GameConfig->ContentDirectory = dir / "Content";
        RegisterComponentTypes(manager);
        manager.Register<AllValuesComponent>("AllValuesComponent");
        manager.Register<StartLogBehavior>("StartLogBehavior");
        manager.CreatePrototypes();
        ContentLog::SetSink([this](ContentLog::Level, const std::string& text) { warnings.push_back(text); });
        StartLogBehavior::Log = &starts;
    }

    ~PrefabTestContent() override {
        StartLogBehavior::Log = nullptr;
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

    // Writes <name>.json into the prefab directory and loads it into the manager.
    Prefab* AddPrefab(const std::string& name, const std::string& json) {
        WriteFile(PrefabDir() / (name + ".json"), json);
        auto prefab = std::make_unique<Prefab>(manager, name);
        prefab->Load(PrefabDir() / (name + ".json"));
        return manager.Adopt(std::move(prefab));
    }

    GameApp app;
    PrefabManager& manager = *Engine::Prefabs;
    std::filesystem::path dir;
    std::vector<std::string> warnings;
    std::vector<std::string> starts;
    static inline int counter = 0;
};
