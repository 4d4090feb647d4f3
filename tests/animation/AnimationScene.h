#pragma once

#include "animation/AnimationManager.h"
#include "core/ContentLog.h"
#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/GameConfig.h"
#include "graphics/TextureManager.h"
#include "support/EngineScope.h"
#include "support/TestAtlas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// An installed content directory in scratch space holding ".anim" files, read against
// the atlas "Ants" (Walk1, Walk2, Walk3, Idle) in the bank "Main", with the managers
// the animation layer reaches; log warnings are collected.
class AnimationScene : public ::testing::Test {
protected:
    AnimationScene() {
        engine.Make(Engine::GameConfig).ContentDirectory = scratch.Path;
        TextureManager& textures =
            engine.Make(Engine::TextureManager, scratch.Path / "Textures", std::make_unique<FakeUploader>());
        auto atlas = std::make_unique<Texture>();
        atlas->Name = "Ants";
        for (const char* image : {"Walk1", "Walk2", "Walk3", "Idle"}) {
            atlas->ImageIndex[image] = int(atlas->ImageNames.size());
            atlas->ImageNames.push_back(image);
            atlas->ImageRects.emplace_back(0.25f * float(atlas->ImageRects.size()), 0.0f, 0.25f, 1.0f);
            atlas->TrimRects.emplace_back(0.0f, 0.0f, 1.0f, 1.0f);
        }
        ants = atlas.get();
        textures.AddBank("Main").Textures["Ants"] = std::move(atlas);
        time = &engine.Make(Engine::FrameTime);
        animations = &engine.Make(Engine::Animations);
        ContentLog::SetSink([this](ContentLog::Level, const std::string& text) { warnings.push_back(text); });
    }
    ~AnimationScene() override { ContentLog::SetSink(nullptr); }

    void WriteAnimation(const std::string& fileName, const std::string& text,
                        const std::string& directory = "Animations") {
        WriteText(scratch.Path / directory / fileName, text);
    }

    ScratchDirectory scratch;
    EngineScope engine;
    Texture* ants = nullptr;
    FrameTime* time = nullptr;
    AnimationManager* animations = nullptr;
    std::vector<std::string> warnings;
};
