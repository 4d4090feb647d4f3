// The passes' savings leave every pixel as the full-screen passes draw it: the
// shipped game and the sprite benchmark's lit scene are drawn both ways, frame after
// frame as the scene moves, and compared pixel by pixel.
#include "core/Engine.h"
#include "core/GameObject.h"
#include "graphics/Pos2dComponent.h"
#include "graphics/SpriteComponent.h"
#include "input/InputManager.h"
#include "support/ShippedGameRender.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class PassSavingsRenderTest : public ShippedGameRender {
protected:
    // Plays `frames` frames, each drawn with the savings, then draws the last one
    // again through the full-screen passes and compares the two pictures.
    void ExpectSamePictureAfter(int frames, const std::string& scene) {
        device.PassSavings = true;
        for (int i = 0; i < frames; ++i) {
            app.RunFrame(1.0f / 60.0f);
        }
        const Image saved = device.ReadBackBuffer();
        device.PassSavings = false;
        device.RenderFrame(Engine::Root);
        const Image full = device.ReadBackBuffer();
        device.PassSavings = true;
        ExpectSame(saved, full, scene);
    }

    static void ExpectSame(const Image& saved, const Image& full, const std::string& scene) {
        EXPECT_EQ(FirstDifference(saved, full), "") << scene;
    }

    GameObject* AddSprite(Texture* texture, DrawLayer layer, Vector2 pos, Vector2 size, float rotation = 0.0f) {
        auto* object = new GameObject();
        auto* p = new Pos2dComponent();
        p->Pos = pos;
        p->Rotation = rotation;
        object->AddComponent(p);
        auto* sprite = new SpriteComponent();
        sprite->SetTex(texture);
        sprite->Layer = layer;
        sprite->Size = size;
        object->AddComponent(sprite);
        Engine::Root->AddChild(object);
        return object;
    }

};

TEST_F(PassSavingsRenderTest, ShippedLevelByDayAtNightAndMoved) {
    ASSERT_NE(screen, nullptr);
    ExpectSamePictureAfter(2, "first frames by day");
    ExpectSamePictureAfter(20, "ants walking by day");

    screen->DayNight.Phase = PhaseNight;
    screen->Tool = ToolLight;
    Engine::InputManager->Cursor = Vector2(700.0f, 300.0f);
    int unlit = 4;
    IgniteAnts(Engine::GameplayRoot, unlit);
    ASSERT_EQ(unlit, 0) << "the shipped level has enough ants";
    ExpectSamePictureAfter(30, "night, the flashlight, burning ants");

    // Past the soil's edge the background colour shows: partly covered cells, and
    // with the camera turned no quad is upright.
    graphics.WorldCamera.Position = graphics.WorldCamera.Position + Vector2(17.3f, -9.1f);
    ExpectSamePictureAfter(2, "camera moved past the soil");
    graphics.WorldCamera.Rotation = 0.3f;
    ExpectSamePictureAfter(2, "camera turned");
    graphics.WorldCamera.Rotation = 0.0f;

    graphics.ShowPhysics = true;
    ExpectSamePictureAfter(2, "physics view");
}

TEST_F(PassSavingsRenderTest, OverlayAndEditorLayers) {
    Texture* hud = Engine::TextureManager->GetTexture("Hud");
    Texture* world = Engine::TextureManager->GetTexture("World");
    ASSERT_NE(hud, nullptr);
    ASSERT_NE(world, nullptr);
    AddSprite(world, DrawLayer::EditorSelection, Vector2(2.0f, 1.0f), Vector2(3.0f, 2.0f), 0.4f);
    AddSprite(hud, DrawLayer::Editor, Vector2(300.0f, 200.0f), Vector2(200.0f, 120.0f));
    AddSprite(hud, DrawLayer::EditorText, Vector2(320.0f, 220.0f), Vector2(64.0f, 64.0f));
    AddSprite(hud, DrawLayer::Editor2, Vector2(900.0f, 500.0f), Vector2(300.0f, 100.0f));
    AddSprite(hud, DrawLayer::EditorText2, Vector2(920.0f, 520.0f), Vector2(32.0f, 32.0f));
    ExpectSamePictureAfter(3, "editor layers over the game");
}

// The sprite benchmark's lit frame: soft sprites on "ForegroundLit" over a lit ground
// whose edge is not opaque, one full-screen light and lights of 256 pixels.
TEST_F(PassSavingsRenderTest, SpriteBenchLitScene) {
    Engine::GameplayRoot->DrawEnabled = false;
    graphics.WorldCamera = Camera2d(Vector2(640, 360), Vector2(1280, 720));
    Image ball = SolidImage(32, 32, 180, 120, 90);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const float r = std::hypot(x + 0.5f - 16.0f, y + 0.5f - 16.0f) / 16.0f;
            ball.Pixel(x, y)[3] = static_cast<std::uint8_t>(std::clamp((1.0f - r) * 4.0f, 0.0f, 1.0f) * 255);
        }
    }
    const Image dome = SolidImage(32, 32, 100, 160, 220, 128);
    const Image flat = SolidImage(4, 4, 128, 128, 255, 64);
    const Image towards = SolidImage(4, 4, 128, 128, 255, 0);
    TextureManager& textures = *Engine::TextureManager;
    Texture* ground = &textures.AddTexture("Bench", "Ground", SolidImage(4, 4, 150, 120, 90), &flat);
    Texture* light = &textures.AddTexture("Bench", "Light", SolidImage(4, 4, 40, 40, 40), &towards);
    Texture* balls = &textures.AddTexture("Bench", "Ball", ball, &dome);
    AddSprite(ground, DrawLayer::BackgroundLit, {640, 360}, {1280, 720});
    AddSprite(light, DrawLayer::SpriteLights, {640, 360}, {1280, 720});
    for (int i = 0; i < 16; ++i) {
        AddSprite(light, DrawLayer::SpriteLights, {160.0f + 320.0f * (i % 4), 90.0f + 180.0f * (i / 4)}, {256, 256});
    }
    std::vector<GameObject*> movers;
    for (int i = 0; i < 400; ++i) {
        movers.push_back(AddSprite(balls, DrawLayer::ForegroundLit,
                                   {std::fmod(i * 97.3f, 1280.0f), std::fmod(i * 53.9f, 720.0f)}, {32, 32}));
    }
    ExpectSamePictureAfter(1, "sprite bench, lit");
    for (GameObject* mover : movers) {
        mover->Pos2d()->Pos = mover->Pos2d()->Pos + Vector2(13.0f, -7.0f);
    }
    ExpectSamePictureAfter(1, "sprite bench, lit, sprites moved");
}

}  // namespace
