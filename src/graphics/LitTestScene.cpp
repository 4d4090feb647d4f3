#include "graphics/LitTestScene.h"

#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/Behavior.h"
#include "core/GameObject.h"
#include "graphics/Image.h"
#include "graphics/Pos2dComponent.h"
#include "graphics/SpriteComponent.h"
#include "graphics/TextureManager.h"
#include "graphics/TintComponent.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <string>

namespace {

constexpr float kPi = 3.14159265f;
constexpr const char* kBank = "LitTestScene";

using Shader = std::function<void(float x, float y, std::uint8_t* rgba)>;

// An image whose pixels are given by `shade` at normalised coordinates -1..1,
// y pointing up.
Image Paint(int size, const Shader& shade) {
    Image image;
    image.Width = image.Height = size;
    image.Rgba.resize(static_cast<std::size_t>(size) * size * 4);
    for (int row = 0; row < size; ++row) {
        for (int column = 0; column < size; ++column) {
            const float x = (column + 0.5f) / size * 2.0f - 1.0f;
            const float y = 1.0f - (row + 0.5f) / size * 2.0f;
            shade(x, y, image.Pixel(column, row));
        }
    }
    return image;
}

std::uint8_t Byte(float value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0.0f, 1.0f) * 255.0f + 0.5f);
}

void PutNormal(float nx, float ny, float nz, float specular, std::uint8_t* rgba) {
    const float length = std::sqrt(nx * nx + ny * ny + nz * nz);
    rgba[0] = Byte(nx / length * 0.5f + 0.5f);
    rgba[1] = Byte(ny / length * 0.5f + 0.5f);
    rgba[2] = Byte(nz / length * 0.5f + 0.5f);
    rgba[3] = Byte(specular);
}

float GroundHeight(float x, float y) {
    return 0.04f * std::sin(x * 9.0f) * std::cos(y * 7.0f) + 0.02f * std::sin((x + y) * 23.0f);
}

Texture& MakeGround(TextureManager& textures) {
    const Image color = Paint(256, [](float x, float y, std::uint8_t* p) {
        const float grain = 0.5f + 0.25f * std::sin(x * 41.0f + std::sin(y * 13.0f) * 3.0f) +
                            0.25f * std::sin(y * 29.0f + std::cos(x * 11.0f) * 2.0f);
        p[0] = Byte(0.55f + 0.1f * grain);
        p[1] = Byte(0.45f + 0.08f * grain);
        p[2] = Byte(0.30f + 0.05f * grain);
        p[3] = 255;
    });
    const Image normal = Paint(256, [](float x, float y, std::uint8_t* p) {
        const float e = 0.01f;
        const float dx = (GroundHeight(x + e, y) - GroundHeight(x - e, y)) / (2 * e);
        const float dy = (GroundHeight(x, y + e) - GroundHeight(x, y - e)) / (2 * e);
        PutNormal(-dx, -dy, 1.0f, 0.05f, p);
    });
    return textures.AddTexture(kBank, "Ground", color, &normal);
}

Texture& MakePebble(TextureManager& textures) {
    const Image color = Paint(128, [](float x, float y, std::uint8_t* p) {
        const float r = std::sqrt(x * x + y * y);
        p[0] = Byte(0.35f + 0.1f * x);
        p[1] = Byte(0.32f);
        p[2] = Byte(0.38f - 0.1f * y);
        p[3] = Byte((0.95f - r) * 20.0f);
    });
    const Image normal = Paint(128, [](float x, float y, std::uint8_t* p) {
        const float z2 = 1.0f - x * x - y * y;
        PutNormal(x, y, std::sqrt(std::max(z2, 0.05f)), 0.9f, p);
    });
    return textures.AddTexture(kBank, "Pebble", color, &normal);
}

// A light sprite: white fading out to the rim; its normal image points at the centre.
Texture& MakeLight(TextureManager& textures) {
    const Image color = Paint(128, [](float x, float y, std::uint8_t* p) {
        const float r2 = x * x + y * y;
        p[0] = p[1] = p[2] = 255;
        p[3] = Byte(1.0f - r2);
    });
    const Image direction = Paint(128, [](float x, float y, std::uint8_t* p) { PutNormal(-x, -y, 0.6f, 0.0f, p); });
    return textures.AddTexture(kBank, "Light", color, &direction);
}

Texture& MakeGlow(TextureManager& textures) {
    const Image color = Paint(64, [](float x, float y, std::uint8_t* p) {
        const float r = std::sqrt(x * x + y * y);
        p[0] = 255;
        p[1] = 200;
        p[2] = 120;
        p[3] = Byte((1.0f - r) * (1.0f - r));
    });
    return textures.AddTexture(kBank, "Glow", color);
}

// Moves its object round a circle.
class OrbitBhv : public Behavior {
public:
    OrbitBhv(Vector2 centre, float radius, float speed, float phase)
        : centre_(centre), radius_(radius), speed_(speed), phase_(phase) {}

    void Update() override {
        const float t = Engine::FrameTime != nullptr ? static_cast<float>(Engine::FrameTime->TotalSeconds) : 0.0f;
        const float angle = phase_ + t * speed_;
        Owner()->SetPosition(centre_ + Vector2(std::cos(angle), std::sin(angle)) * radius_);
    }

private:
    Vector2 centre_;
    float radius_;
    float speed_;
    float phase_;
};

GameObject* AddSprite(GameObject& parent, Texture& texture, DrawLayer layer, Vector2 position, Vector2 size,
                      Color tint = Color(255, 255, 255, 255)) {
    auto* object = new GameObject();
    auto* pos = new Pos2dComponent();
    pos->Pos = position;
    object->AddComponent(pos);
    auto* sprite = new SpriteComponent();
    sprite->SetTex(&texture);
    sprite->Layer = layer;
    sprite->Size = size;
    object->AddComponent(sprite);
    auto* colour = new TintComponent();
    colour->Tint = tint;
    object->AddComponent(colour);
    parent.AddChild(object);
    return object;
}

}  // namespace

void BuildLitTestScene(GameObject& root, TextureManager& textures) {
    Texture& ground = MakeGround(textures);
    Texture& pebble = MakePebble(textures);
    Texture& light = MakeLight(textures);
    Texture& glow = MakeGlow(textures);

    auto* scene = new GameObject();
    scene->Name = "LitTestScene";
    root.AddChild(scene);
    AddSprite(*scene, ground, DrawLayer::BackgroundLit, Vector2(), Vector2(40.0f, 40.0f));
    const Vector2 pebbles[] = {{-8, 3}, {-2, -4}, {5, 2}, {11, -3}, {0, 6}, {-13, -5}};
    for (std::size_t i = 0; i < std::size(pebbles); ++i) {
        const float size = 2.5f + static_cast<float>(i % 3);
        AddSprite(*scene, pebble, DrawLayer::ForegroundLit, pebbles[i], Vector2(size, size));
    }
    const Color lightColours[] = {{96, 84, 64, 255}, {40, 56, 100, 255}, {100, 44, 52, 255}};
    for (int i = 0; i < 3; ++i) {
        GameObject* lamp = AddSprite(*scene, light, DrawLayer::SpriteLights, Vector2(), Vector2(22.0f, 22.0f),
                                     lightColours[i]);
        lamp->AddComponent(new OrbitBhv(Vector2(), 6.0f + 3.0f * i, 0.4f + 0.15f * i, 2.0f * kPi * i / 3.0f));
        GameObject* spark = AddSprite(*lamp, glow, DrawLayer::ForegroundAdd, Vector2(), Vector2(1.5f, 1.5f));
        spark->Pos2d()->IsRelative = true;
    }
    AddSprite(*scene, glow, DrawLayer::Ui, Vector2(40.0f, 40.0f), Vector2(48.0f, 48.0f), Color(120, 255, 160, 255));
}
