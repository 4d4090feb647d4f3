// The engine's side of the sprite benchmark: N moving 32 x 32 alpha-blended sprites
// on the "Background" layer of the 1280 x 720 frame, drawn by the whole frame
// pipeline into a real window. Prints "vellimor <largest count>", then the cost of a
// full lit frame with the same sprites (lit, one full-screen light and 16 light
// sprites of 256 px) as a ratio to the plain frame.
#include "SpriteBenchHarness.h"

#include "app/GameApp.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "graphics/Graphics.h"
#include "graphics/GraphicsDevice.h"
#include "graphics/Image.h"
#include "graphics/Pos2dComponent.h"
#include "graphics/SpriteComponent.h"
#include "graphics/TextureManager.h"
#include "input/InputManager.h"
#include "platform/Window.h"

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

Image ToImage(int size, std::vector<std::uint8_t> pixels) {
    Image image;
    image.Width = image.Height = size;
    image.Rgba = std::move(pixels);
    return image;
}

// Normals of a dome, for the lit variant of the ball.
Image DomeNormals() {
    std::vector<std::uint8_t> pixels;
    const int n = spritebench::kSpriteSize;
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const float dx = (x + 0.5f) / n * 2 - 1;
            const float dy = 1 - (y + 0.5f) / n * 2;
            const float dz = std::sqrt(std::max(0.05f, 1 - dx * dx - dy * dy));
            const float l = std::sqrt(dx * dx + dy * dy + dz * dz);
            pixels.insert(pixels.end(), {static_cast<std::uint8_t>((dx / l * 0.5f + 0.5f) * 255),
                                         static_cast<std::uint8_t>((dy / l * 0.5f + 0.5f) * 255),
                                         static_cast<std::uint8_t>((dz / l * 0.5f + 0.5f) * 255), 128});
        }
    }
    return ToImage(n, pixels);
}

Image Solid(int size, std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) {
    std::vector<std::uint8_t> pixels;
    for (int i = 0; i < size * size; ++i) {
        pixels.insert(pixels.end(), {r, g, b, a});
    }
    return ToImage(size, pixels);
}

Texture* AddTexture(const std::string& name, const Image& color, const Image* normal) {
    return &Engine::TextureManager->AddTexture("Bench", name, color, normal);
}

class EngineScene {
public:
    EngineScene() {
        Graphics& graphics = *Engine::Graphics;
        graphics.MainWindow = std::make_unique<Window>("Vellimor sprite bench", graphics.Width, graphics.Height);
        graphics.Device->InitGraphicsDevice();
        graphics.Device->WholeFramesInWindow = true;  // as the game draws
        // One world unit per pixel, y up: sprite sizes are pixels.
        graphics.WorldCamera = Camera2d(Vector2(640, 360), Vector2(1280, 720));
        const Image normals = DomeNormals();
        ball_ = AddTexture("Ball", ToImage(spritebench::kSpriteSize, spritebench::BallPixels()), &normals);
        const Image flat = Solid(4, 128, 128, 255, 64);
        ground_ = AddTexture("Ground", Solid(4, 150, 120, 90, 255), &flat);
        const Image towards = Solid(4, 128, 128, 255, 0);
        light_ = AddTexture("Light", Solid(4, 40, 40, 40, 255), &towards);
    }
    ~EngineScene() {
        Clear();
        Engine::TextureManager->UnloadAllBanks();
        Engine::Graphics->Device->ReleaseGraphicsDevice();
        Engine::Graphics->MainWindow.reset();
    }

    // The lit frame: the same sprites on "ForegroundLit" over a lit ground, one
    // full-screen light and 16 lights of 256 px.
    bool Lit = false;

    void SetCount(int n) {
        Clear();
        movers_.Reset(n);
        if (Lit) {
            Add(ground_, DrawLayer::BackgroundLit, {640, 360}, {1280, 720});
            Add(light_, DrawLayer::SpriteLights, {640, 360}, {1280, 720});
            for (int i = 0; i < 16; ++i) {
                Add(light_, DrawLayer::SpriteLights, {160.0f + 320.0f * (i % 4), 90.0f + 180.0f * (i / 4)}, {256, 256});
            }
        }
        const DrawLayer layer = Lit ? DrawLayer::ForegroundLit : DrawLayer::Background;
        positions_.clear();
        for (int i = 0; i < n; ++i) {
            positions_.push_back(Add(ball_, layer, {}, {32, 32}));
        }
    }

    void Frame() {
        Engine::InputManager->Update();
        Engine::InputManager->Poll();
        movers_.Step();
        for (std::size_t i = 0; i < positions_.size(); ++i) {
            positions_[i]->Pos = Vector2(movers_.x[i], 720.0f - movers_.y[i]);
        }
        Engine::Graphics->Device->RenderFrame(Engine::Root);
    }

private:
    Pos2dComponent* Add(Texture* texture, DrawLayer layer, Vector2 pos, Vector2 size) {
        auto* object = new GameObject();
        auto* p = new Pos2dComponent();
        p->Pos = pos;
        object->AddComponent(p);
        auto* sprite = new SpriteComponent();
        sprite->SetTex(texture);
        sprite->Layer = layer;
        sprite->Size = size;
        object->AddComponent(sprite);
        Engine::Root->AddChild(object);
        return p;
    }

    void Clear() {
        while (!Engine::Root->Children().empty()) {
            delete Engine::Root->Children().back();
        }
    }

    Texture* ball_ = nullptr;
    Texture* ground_ = nullptr;
    Texture* light_ = nullptr;
    spritebench::Movers movers_;
    std::vector<Pos2dComponent*> positions_;
};

// Where a frame's time goes: each pass's mean over 60 frames, every pass finished
// before the next starts (which costs a little, so apart from the timed rounds).
void PrintPassMeans(EngineScene& scene, const char* frame) {
    std::map<std::string, double> sums;
    std::vector<std::string> order;
    PassTimer& timer = Engine::Graphics->Device->PassTimes;
    timer.SetMode(PassTimer::Mode::Finish, [&](std::string_view pass, double milliseconds) {
        const std::string name(pass);
        if (sums.emplace(name, 0.0).second) {
            order.push_back(name);
        }
        sums[name] += milliseconds;
    });
    constexpr int kFrames = 60;
    for (int i = 0; i < kFrames; ++i) {
        scene.Frame();
    }
    timer.SetMode(PassTimer::Mode::Off, nullptr);
    std::printf("passes of the %s frame (ms):", frame);
    for (const std::string& pass : order) {
        std::printf(" %s %.2f", pass.c_str(), sums[pass] / kFrames);
    }
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
    GameApp app;
    EngineScene scene;
    if (argc > 1) {
        spritebench::Report(scene, "vellimor", argc, argv);
        return 0;
    }
    const int largest = spritebench::LargestCount(scene, "vellimor");
    std::printf("vellimor %d\n", largest);
    const spritebench::FrameStats plain = spritebench::Measure(scene, largest, 120);
    scene.Lit = true;
    const spritebench::FrameStats lit = spritebench::Measure(scene, largest, 120);
    std::printf("lit-frame %d sprites: plain mean %.2f ms p95 %.2f ms, lit mean %.2f ms p95 %.2f ms, ratio %.2f\n",
                largest, plain.meanMs, plain.p95Ms, lit.meanMs, lit.p95Ms, lit.meanMs / plain.meanMs);
    PrintPassMeans(scene, "lit");
    scene.Lit = false;
    scene.SetCount(largest);
    PrintPassMeans(scene, "plain");
    return 0;
}
