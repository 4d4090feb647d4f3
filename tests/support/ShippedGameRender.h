#pragma once

// The shipped game in a real OpenGL context (SDL's offscreen driver), ready to play
// and draw frame by frame, for the tests that compare a frame's pixels drawn two ways.
#include "animation/AnimationManager.h"
#include "app/GameApp.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "game/En_AntBhv.h"
#include "game/GameplayScreenBhv.h"
#include "game/TreePasses.h"
#include "graphics/FontManager.h"
#include "graphics/Graphics.h"
#include "graphics/GraphicsDevice.h"
#include "graphics/Image.h"
#include "graphics/ScreenTiles.h"
#include "graphics/TextureManager.h"
#include "platform/Window.h"
#include "script/RandomManager.h"
#include "support/RenderFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

class ShippedGameRender : public ::testing::Test {
protected:
    explicit ShippedGameRender(const LaunchOptions& options = {}) : app(options) {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        app.LoadContent();
        graphics.MainWindow = std::make_unique<Window>("Vellimor render test", graphics.Width, graphics.Height);
        KeepGlDriverLoaded();
        device.InitGraphicsDevice();
        Engine::TextureManager->LoadTextureBank("Main");
        Engine::Fonts->LoadFontBank("Main");
        Engine::Animations->LoadAllAnimations();
        Engine::RandomManager->Seed(GameApp::kBenchmarkSeed);
        app.CreateGameplayRoot();
        screen = Engine::GameplayScreen;
    }
    ~ShippedGameRender() override {
        TreePasses::DeletionPhase();
        while (!Engine::Root->Children().empty()) {
            delete Engine::Root->Children().back();
        }
        Engine::Animations->UnloadAllAnimations();
        Engine::Fonts->UnloadAllBanks();
        Engine::TextureManager->UnloadAllBanks();
        device.ReleaseGraphicsDevice();
        graphics.MainWindow.reset();
    }

    // Sets the first `count` ants under `object` on fire; `count` keeps those missing.
    static void IgniteAnts(GameObject* object, int& count) {
        for (Behavior* behaviour : object->Behaviors()) {
            if (auto* ant = dynamic_cast<En_AntBhv*>(behaviour); ant != nullptr && count > 0) {
                ant->Ignite();
                --count;
            }
        }
        for (GameObject* child : object->Children()) {
            IgniteAnts(child, count);
        }
    }

    // Where `shown` first differs from `expected`, or "" when it does not.
    static std::string FirstDifference(const Image& shown, const Image& expected) {
        if (shown.Width != expected.Width || shown.Height != expected.Height) {
            return "the sizes differ";
        }
        for (int y = 0; y < expected.Height; ++y) {
            for (int x = 0; x < expected.Width; ++x) {
                const std::uint8_t* a = shown.Pixel(x, y);
                const std::uint8_t* b = expected.Pixel(x, y);
                if (!std::equal(a, a + 4, b)) {
                    std::ostringstream out;
                    out << "first in cell (" << x / ScreenTiles::kCell << ", " << y / ScreenTiles::kCell
                        << ") at pixel (" << x << ", " << y << "): " << int(a[0]) << "," << int(a[1]) << ","
                        << int(a[2]) << " instead of " << int(b[0]) << "," << int(b[1]) << "," << int(b[2]);
                    return out.str();
                }
            }
        }
        return "";
    }

    GameApp app;
    Graphics& graphics = *Engine::Graphics;
    GraphicsDevice& device = *Engine::Graphics->Device;
    GameplayScreenBhv* screen = nullptr;
};
