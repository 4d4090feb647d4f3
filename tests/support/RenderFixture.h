#pragma once

// A real OpenGL 3.3 context (SDL's offscreen driver, Mesa) with the graphics device
// initialised over a fresh GameApp, for tests that read pixels back.
#include "app/GameApp.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "graphics/GlTextureUploader.h"
#include "graphics/Graphics.h"
#include "graphics/GraphicsDevice.h"
#include "graphics/Pos2dComponent.h"
#include "graphics/SpriteComponent.h"
#include "graphics/TextureManager.h"
#include "graphics/TintComponent.h"
#include "platform/Window.h"
#include "support/EngineScope.h"
#include "support/TestAtlas.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <link.h>

#include <cstdlib>
#include <cstring>
#include <string>

// Keeps the GL driver (Mesa's ".../dri/..._dri.so") loaded until the process ends.
// Closing the last context unloads it, and the heap blocks its globals held then
// look leaked to LeakSanitizer, with stacks into a module that is gone, so they could
// not even be told apart from ours.
inline void KeepGlDriverLoaded() {
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void*) {
            if (info->dlpi_name != nullptr && std::strstr(info->dlpi_name, "/dri/") != nullptr) {
                dlopen(info->dlpi_name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
            }
            return 0;
        },
        nullptr);
}

class RenderFixture : public ::testing::Test {
protected:
    RenderFixture() {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        graphics.MainWindow = std::make_unique<Window>("Vellimor render test", graphics.Width, graphics.Height);
        KeepGlDriverLoaded();
        engine.Make(Engine::TextureManager, scratch.Path, std::make_unique<GlTextureUploader>());
        device.InitGraphicsDevice();
    }
    ~RenderFixture() override {
        Engine::TextureManager->UnloadAllBanks();
        device.ReleaseGraphicsDevice();
        graphics.MainWindow.reset();
    }

    // A texture made in code, in the bank "Test".
    Texture* MakeTexture(const std::string& name, const Image& color, const Image* normal = nullptr) {
        return &Engine::TextureManager->AddTexture("Test", name, color, normal);
    }

    GameObject* AddSprite(GameObject* parent, Texture* texture, DrawLayer layer, Vector2 pos, Vector2 size,
                          Color tint = Color(255, 255, 255, 255), bool relative = false) {
        auto* object = new GameObject();
        auto* p = new Pos2dComponent();
        p->Pos = pos;
        p->IsRelative = relative;
        object->AddComponent(p);
        if (texture != nullptr) {
            auto* sprite = new SpriteComponent();
            sprite->SetTex(texture);
            sprite->Layer = layer;
            sprite->Size = size;
            object->AddComponent(sprite);
        }
        if (tint != Color(255, 255, 255, 255)) {
            auto* t = new TintComponent();
            t->Tint = tint;
            object->AddComponent(t);
        }
        parent->AddChild(object);
        return object;
    }

    // World point of a back-buffer pixel centre under the default world camera.
    static Vector2 World(float px, float py) { return {(px - 640.0f) / 32.0f, (360.0f - py) / 32.0f}; }

    Image Render() {
        device.RenderFrame(Engine::Root);
        return device.ReadBackBuffer();
    }

    static Color At(const Image& image, int x, int y) {
        const std::uint8_t* p = image.Pixel(x, y);
        return Color(p[0], p[1], p[2], p[3]);
    }

    GameApp app;
    Graphics& graphics = *Engine::Graphics;
    GraphicsDevice& device = *Engine::Graphics->Device;
    GameObject& root = *Engine::Root;
    ScratchDirectory scratch;
    EngineScope engine;
};

inline void ExpectColorNear(Color actual, Color expected, int tolerance, const std::string& where) {
    EXPECT_NEAR(actual.r, expected.r, tolerance) << where;
    EXPECT_NEAR(actual.g, expected.g, tolerance) << where;
    EXPECT_NEAR(actual.b, expected.b, tolerance) << where;
}
