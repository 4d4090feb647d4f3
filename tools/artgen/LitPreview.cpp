#include "LitPreview.h"

#include "Image.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kWidth = 640, kHeight = 360;

struct Vec3 {
    float x, y, z;
};

Vec3 Normalise(Vec3 v) {
    const float len = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return len > 0 ? Vec3{v.x / len, v.y / len, v.z / len} : Vec3{0, 0, 1};
}

float Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vec3 Decode(const std::uint8_t* p) { return {p[0] / 127.5f - 1, p[1] / 127.5f - 1, p[2] / 127.5f - 1}; }

// The scene's G-buffer: albedo, normal and specular mask per pixel.
struct GBuffer {
    std::vector<Vec3> albedo = std::vector<Vec3>(kWidth * kHeight, Vec3{0, 0, 0});
    std::vector<Vec3> normal = std::vector<Vec3>(kWidth * kHeight, Vec3{0, 0, 1});
    std::vector<float> specular = std::vector<float>(kWidth * kHeight, 0.0f);

    void Draw(const fs::path& atlas, const std::string& name, int left, int top) {
        const Image c = LoadImage(atlas / (name + ".png"));
        const Image n = LoadImage(atlas / (name + "_NRM.png"));
        const Image s = LoadImage(atlas / (name + "_SPEC.png"));
        for (int y = 0; y < c.Height; ++y)
            for (int x = 0; x < c.Width; ++x) {
                const int px = left + x, py = top + y;
                if (px < 0 || py < 0 || px >= kWidth || py >= kHeight)
                    continue;
                const float a = c.Pixel(x, y)[3] / 255.0f;
                const std::size_t i = std::size_t(py) * kWidth + px;
                const Vec3 colour{c.Pixel(x, y)[0] / 255.0f, c.Pixel(x, y)[1] / 255.0f, c.Pixel(x, y)[2] / 255.0f};
                const Vec3 nrm = Decode(n.Pixel(x, y));
                albedo[i] = {albedo[i].x + (colour.x - albedo[i].x) * a, albedo[i].y + (colour.y - albedo[i].y) * a,
                             albedo[i].z + (colour.z - albedo[i].z) * a};
                normal[i] = Normalise({normal[i].x + (nrm.x - normal[i].x) * a, normal[i].y + (nrm.y - normal[i].y) * a,
                                       normal[i].z + (nrm.z - normal[i].z) * a});
                specular[i] += (s.Pixel(x, y)[2] / 255.0f - specular[i]) * a;
            }
    }
};

// One light pixel: direction towards the light L (not normalised) and intensity I.
void AddLight(const GBuffer& g, std::vector<Vec3>& out, std::size_t i, Vec3 L, Vec3 I) {
    const Vec3 N = g.normal[i];
    const Vec3 H = Normalise({L.x, L.y, L.z + 1});
    const float diffuse = Dot(L, N);
    const float spec = std::pow(std::clamp(Dot(N, H), 0.0f, 1.0f), 100.0f) * g.specular[i];
    out[i].x += std::max(0.0f, I.x * g.albedo[i].x * diffuse + I.x * spec);
    out[i].y += std::max(0.0f, I.y * g.albedo[i].y * diffuse + I.y * spec);
    out[i].z += std::max(0.0f, I.z * g.albedo[i].z * diffuse + I.z * spec);
}

// A light sprite centred at (cx, cy), tinted, as the light pass draws it.
void DrawLightSprite(const GBuffer& g, std::vector<Vec3>& out, const fs::path& atlas, const std::string& name, int cx,
                     int cy, Vec3 tint) {
    const Image c = LoadImage(atlas / (name + ".png"));
    const Image n = LoadImage(atlas / (name + "_NRM.png"));
    for (int y = 0; y < c.Height; ++y)
        for (int x = 0; x < c.Width; ++x) {
            const int px = cx - c.Width / 2 + x, py = cy - c.Height / 2 + y;
            if (px < 0 || py < 0 || px >= kWidth || py >= kHeight)
                continue;
            const float k = 4 * c.Pixel(x, y)[3] / 255.0f;
            AddLight(g, out, std::size_t(py) * kWidth + px, Decode(n.Pixel(x, y)), {tint.x * k, tint.y * k, tint.z * k});
        }
}

}  // namespace

void RenderLitPreview(const fs::path& content, const fs::path& png) {
    const fs::path bank = content / "Textures/Main";
    GBuffer g;
    for (int ty = 0; ty < kHeight; ty += 252)
        for (int tx = 0; tx < kWidth; tx += 252)
            g.Draw(bank / "Ground", "Soil", tx, ty);
    const fs::path world = bank / "World";
    g.Draw(world, "Stone1", 40, 40);
    g.Draw(world, "Stone2", 420, 230);
    g.Draw(world, "Stone3", 520, 40);
    g.Draw(world, "Leaf1", 150, 230);
    g.Draw(world, "Leaf2", 330, 20);
    g.Draw(world, "Twig1", 220, 300);
    g.Draw(world, "Twig2", 40, 150);
    const std::array<std::pair<int, int>, 6> pebbles{{{140, 60}, {300, 140}, {470, 150}, {590, 300}, {110, 320}, {380, 320}}};
    for (std::size_t i = 0; i < pebbles.size(); ++i)
        g.Draw(world, "Pebble" + std::to_string(i % 4 + 1), pebbles[i].first, pebbles[i].second);
    const std::array<std::pair<int, int>, 5> seeds{{{250, 110}, {270, 130}, {345, 185}, {520, 170}, {200, 200}}};
    for (std::size_t i = 0; i < seeds.size(); ++i)
        g.Draw(world, "Seed" + std::to_string(i % 3 + 1), seeds[i].first, seeds[i].second);
    const fs::path ants = bank / "Ants";
    const std::array<std::string, 5> poses{"Walk1", "Walk3", "Idle2", "Walk6", "Still"};
    const std::array<std::pair<int, int>, 5> antAt{{{230, 150}, {300, 60}, {420, 110}, {560, 200}, {140, 110}}};
    for (std::size_t i = 0; i < poses.size(); ++i)
        g.Draw(ants, poses[i], antAt[i].first, antAt[i].second);

    std::vector<Vec3> out(kWidth * kHeight, Vec3{0, 0, 0});
    // Late-afternoon ambient light from the upper left, then the flashlight.
    const Vec3 sun = Normalise({-0.55f, 0.45f, 0.7f});
    for (std::size_t i = 0; i < out.size(); ++i)
        AddLight(g, out, i, sun, {0.95f, 0.85f, 0.7f});
    DrawLightSprite(g, out, bank / "Lights", "Flashlight", 470, 200, {0.35f, 0.33f, 0.3f});
    DrawLightSprite(g, out, bank / "Lights", "FireLight", 120, 280, {0.5f, 0.25f, 0.08f});

    Image image = BlankImage(kWidth, kHeight);
    for (std::size_t i = 0; i < out.size(); ++i) {
        std::uint8_t* p = &image.Rgba[i * 4];
        p[0] = std::uint8_t(std::clamp(out[i].x, 0.0f, 1.0f) * 255);
        p[1] = std::uint8_t(std::clamp(out[i].y, 0.0f, 1.0f) * 255);
        p[2] = std::uint8_t(std::clamp(out[i].z, 0.0f, 1.0f) * 255);
        p[3] = 255;
    }
    SavePng(image, png);
}
