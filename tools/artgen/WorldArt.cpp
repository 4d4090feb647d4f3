// Things lying on the ground, drawn with relief for the lit pipeline: seeds,
// stones, pebbles, twigs and leaves; and the tiling soil.
#include "ArtOutput.h"
#include "Noise.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

struct Rgb {
    float R, G, B;
};

Rgb Mix(Rgb a, Rgb b, float t) { return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t}; }

// A seed: an egg shape narrowing towards its tip (up), with stripes or a crease.
Canvas DrawSeed(int variant) {
    const int w = 24, h = 32;
    Canvas c(w, h);
    const Rgb base[3] = {{0.16f, 0.15f, 0.14f}, {0.78f, 0.6f, 0.3f}, {0.88f, 0.84f, 0.7f}};
    const Rgb line[3] = {{0.75f, 0.73f, 0.66f}, {0.55f, 0.38f, 0.15f}, {0.7f, 0.64f, 0.5f}};
    c.Draw([&](float x, float y, Paint& p) {
        const float t = (y - 3) / 26;                       // 0 at the tip, 1 at the base
        if (t < 0 || t > 1)
            return false;
        const float halfWidth = (variant == 1 ? 7.0f : 8.5f) * std::sqrt(std::sin(kPi * std::pow(t, 0.8f)));
        const float u = (x - 12) / std::max(halfWidth, 0.01f);  // -1..1 across
        if (std::abs(u) > 1)
            return false;
        const float dome = std::sqrt(1 - u * u) * std::sin(kPi * std::pow(t, 0.8f));
        float height = 5 * std::sqrt(std::max(dome, 0.0f));
        float stripe = 0;
        if (variant == 0)  // sunflower: pale stripes along the shell
            stripe = std::pow(std::abs(std::cos(u * 4.5f)), 12.0f) * (0.7f + 0.3f * Noise::Value(x, y * 0.3f, 5));
        else if (variant == 1) {  // grain: a crease down the middle
            stripe = std::max(0.0f, 1 - std::abs(u) * 6);
            height -= 1.5f * stripe;
        } else  // pale seed with a raised rim
            stripe = std::abs(u) > 0.8f ? 0.6f : 0.0f, height += std::abs(u) > 0.8f ? 0.6f : 0.0f;
        const Rgb colour = Mix(base[variant], line[variant], stripe);
        const float grain = 0.92f + 0.16f * Noise::Value(x * 1.3f, y * 1.3f, 9u + unsigned(variant));
        p = {colour.R * grain, colour.G * grain, colour.B * grain, 1, height, variant == 0 ? 0.55f : 0.35f};
        return true;
    });
    return c;
}

// A stone or pebble: an irregular rounded outline, a domed top with bumps.
Canvas DrawStone(int size, std::uint32_t seed, Rgb colour, float roughness, float specular, float height) {
    Canvas c(size, size);
    const float centre = float(size) / 2, radius = float(size) / 2 - 2;
    c.Draw([=](float x, float y, Paint& p) {
        const float dx = x - centre, dy = y - centre;
        const float angle = std::atan2(dy, dx);
        // Outline radius varies smoothly with angle (noise sampled on a circle).
        const float wobble = Noise::Fractal(std::cos(angle) * 2.2f + 5, std::sin(angle) * 2.2f + 5, seed, 3);
        const float r = radius * (0.55f + 0.45f * wobble);
        const float d = std::sqrt(dx * dx + dy * dy) / r;
        if (d > 1)
            return false;
        const float bumps = Noise::Fractal(x * 0.25f, y * 0.25f, seed + 1, 4);
        const float h = height * std::pow(1 - d * d, 0.6f) + roughness * 3 * bumps;
        const float speckle = Noise::Value(x * 1.7f, y * 1.7f, seed + 2);
        // A crack or two: thin dark grooves where a second noise crosses its middle.
        const float vein = std::abs(Noise::Fractal(x * 0.08f, y * 0.08f, seed + 3, 3) - 0.5f);
        const bool crack = roughness > 0.5f && vein < 0.012f && d < 0.85f;
        const float shade = (0.8f + 0.3f * bumps + (speckle > 0.85f ? 0.25f : 0.0f) - (speckle < 0.1f ? 0.2f : 0.0f)) *
                            (crack ? 0.55f : 1.0f) * (1 - 0.25f * d * d);
        p = {colour.R * shade, colour.G * shade, colour.B * shade, 1, h - (crack ? 1.5f : 0.0f),
             specular * (speckle > 0.9f ? 2.5f : 1.0f)};
        return true;
    });
    return c;
}

// A twig: a slightly bent stick with a side branch and streaked bark.
Canvas DrawTwig(int variant) {
    const int w = 96, h = 40;
    Canvas c(w, h);
    const float bend = variant == 0 ? 4.0f : -3.0f;
    auto axisY = [=](float x) { return 20 + bend * std::sin(kPi * x / float(w)); };
    auto bark = [=](float x, float y, float across, float radius, Paint& p) {
        const float round = std::sqrt(std::max(0.0f, 1 - across * across));
        const float streak = Noise::Value(x * 0.12f, y * 1.6f, 31u + unsigned(variant));
        const float height = radius * round * 1.2f + 2 - 1.2f * (streak < 0.3f ? 1.0f : 0.0f);
        const float shade = 0.75f + 0.35f * streak;
        p = {0.34f * shade, 0.26f * shade, 0.2f * shade, 1, height, 0.15f};
    };
    // Side branch first, so the main stick lies over its base.
    const float bx0 = variant == 0 ? 58.0f : 34.0f, by0 = axisY(bx0);
    const float bx1 = bx0 + 20, by1 = by0 + (variant == 0 ? -11.0f : 11.0f);
    c.Draw([=](float x, float y, Paint& p) {
        const float d = Sdf::Segment(x, y, bx0, by0, bx1, by1, 3.0f);
        if (d > 0)
            return false;
        bark(x, y, (d + 3.0f) / 3.0f - 1, 3.0f, p);
        return true;
    });
    c.Draw([=](float x, float y, Paint& p) {
        if (x < 3 || x > float(w) - 3)
            return false;
        const float radius = 5.5f - 1.8f * x / float(w);
        const float across = (y - axisY(x)) / radius;
        if (std::abs(across) > 1)
            return false;
        bark(x, y, across, radius, p);
        if (x > float(w) - 5) {  // the broken-off end shows pale wood
            p.R = 0.72f, p.G = 0.6f, p.B = 0.42f;
            p.Height -= 0.8f;
        }
        if (std::abs(x - 70 + variant * 30) < 2.5f && std::abs(across) < 0.6f)  // a knot
            p.Height += 1.2f, p.R *= 0.7f, p.G *= 0.7f, p.B *= 0.7f;
        return true;
    });
    return c;
}

// A leaf: pointed oval with a raised midrib, sunken side veins and a stalk.
Canvas DrawLeaf(int variant) {
    const int size = 64;
    Canvas c(size, size);
    const Rgb colour = variant == 0 ? Rgb{0.3f, 0.5f, 0.16f} : Rgb{0.72f, 0.4f, 0.12f};
    const Rgb vein = variant == 0 ? Rgb{0.55f, 0.68f, 0.3f} : Rgb{0.85f, 0.62f, 0.3f};
    const float angle = variant == 0 ? 0.5f : -0.4f;
    const float ca = std::cos(angle), sa = std::sin(angle);
    c.Draw([=](float x, float y, Paint& p) {
        // Leaf space: v runs from stalk (0) to tip (1) along the midrib, u across.
        const float lx = (x - 32) * ca + (y - 32) * sa, ly = -(x - 32) * sa + (y - 32) * ca;
        const float v = (ly + 26) / 52, u = lx;
        if (v < 0 || v > 1.12f)
            return false;
        if (v > 1) {  // the stalk
            if (std::abs(u) > 1.1f)
                return false;
            p = {vein.R * 0.8f, vein.G * 0.8f, vein.B * 0.8f, 1, 2.5f, 0.2f};
            return true;
        }
        const float halfWidth = 16 * std::pow(std::sin(kPi * v), 0.9f) * (1 - 0.25f * v);
        if (std::abs(u) > halfWidth)
            return false;
        const float across = std::abs(u) / std::max(halfWidth, 0.01f);
        float height = 2.5f + 2.5f * (1 - across * across);
        float veinAmount = std::max(0.0f, 1 - std::abs(u) / 1.2f);  // midrib
        height += 1.2f * veinAmount;
        // Side veins run from the midrib towards the tip.
        const float sideVein = std::abs(std::sin((v * 9 - across * 1.6f) * kPi));
        if (sideVein < 0.12f && across > 0.08f && across < 0.9f) {
            veinAmount = std::max(veinAmount, 0.6f);
            height -= 0.8f;
        }
        const float blotch = Noise::Fractal(x * 0.15f, y * 0.15f, 41u + unsigned(variant), 3);
        Rgb col = Mix(colour, vein, veinAmount);
        col = Mix(col, variant == 0 ? Rgb{0.45f, 0.55f, 0.2f} : Rgb{0.5f, 0.25f, 0.08f}, blotch * 0.5f);
        p = {col.R, col.G, col.B, 1, height, 0.35f};
        return true;
    });
    return c;
}

}  // namespace

void DrawWorldObjects(const std::filesystem::path& atlasDirectory) {
    for (int i = 0; i < 3; ++i)
        WriteLitSprite(DrawSeed(i), atlasDirectory, "Seed" + std::to_string(i + 1));
    const Rgb stones[3] = {{0.52f, 0.5f, 0.47f}, {0.5f, 0.44f, 0.38f}, {0.42f, 0.43f, 0.45f}};
    for (int i = 0; i < 3; ++i)
        WriteLitSprite(DrawStone(64, 100u + unsigned(i), stones[i], 1.0f, 0.12f, 9), atlasDirectory,
                       "Stone" + std::to_string(i + 1));
    const Rgb pebbles[4] = {{0.72f, 0.6f, 0.42f}, {0.6f, 0.6f, 0.6f}, {0.62f, 0.38f, 0.3f}, {0.86f, 0.85f, 0.82f}};
    for (int i = 0; i < 4; ++i)
        WriteLitSprite(DrawStone(24, 200u + unsigned(i), pebbles[i], 0.25f, 0.5f, 5), atlasDirectory,
                       "Pebble" + std::to_string(i + 1));
    for (int i = 0; i < 2; ++i)
        WriteLitSprite(DrawTwig(i), atlasDirectory, "Twig" + std::to_string(i + 1));
    for (int i = 0; i < 2; ++i)
        WriteLitSprite(DrawLeaf(i), atlasDirectory, "Leaf" + std::to_string(i + 1));
}

// Soil that tiles on both axes: a lumpy height field with scattered grains.
void DrawGround(const std::filesystem::path& atlasDirectory) {
    // 252 pixels: with the atlas padding the tile fills a 256-pixel sheet exactly.
    constexpr int kSize = 252;
    constexpr float kCell = kSize / 8.0f;  // noise lattice cells per tile: 8, so the noise tiles too
    Canvas c(kSize, kSize, 2, true);
    auto lumpsAt = [](float x, float y) { return Noise::Fractal(x / kCell, y / kCell, 300, 5, 8); };
    c.Draw([=](float x, float y, Paint& p) {
        const float lumps = lumpsAt(x, y);
        const float fine = Noise::Value(x / kCell * 8, y / kCell * 8, 301, 64);
        const float moist = Noise::Fractal(x / kCell / 2, y / kCell / 2, 302, 2, 4);
        const float shade = 0.8f + 0.3f * lumps + 0.1f * fine;
        const Rgb dry{0.56f, 0.44f, 0.31f}, damp{0.4f, 0.3f, 0.21f};
        const Rgb soil = Mix(dry, damp, std::clamp(moist * 1.6f - 0.5f, 0.0f, 1.0f));
        p = {soil.R * shade, soil.G * shade, soil.B * shade, 1, lumps * 10 + fine * 0.8f, 0.04f};
        return true;
    });
    // Grains of sand and grit, placed by hash and wrapped around the tile edges.
    for (std::uint32_t i = 0; i < 260; ++i) {
        const float gx = Noise::Random(310, i) * kSize, gy = Noise::Random(311, i) * kSize;
        const float r = 0.8f + 2.2f * std::pow(Noise::Random(312, i), 3.0f);
        const float tone = 0.55f + 0.6f * Noise::Random(313, i);
        const bool glint = Noise::Random(314, i) > 0.85f;
        for (float ox : {-float(kSize), 0.0f, float(kSize)})
            for (float oy : {-float(kSize), 0.0f, float(kSize)}) {
                const float cx = gx + ox, cy = gy + oy;
                if (cx < -r || cy < -r || cx > kSize + r || cy > kSize + r)
                    continue;
                c.Draw(
                    [=](float x, float y, Paint& p) {
                        if (Sdf::Ellipse(x, y, cx, cy, r, r * 0.85f) > 0)
                            return false;
                        const float base = 10 * lumpsAt(cx, cy);
                        p = {0.6f * tone, 0.52f * tone, 0.42f * tone, 1,
                             base + r * 0.9f * Sdf::Dome(x, y, cx, cy, r, r * 0.85f), glint ? 0.9f : 0.15f};
                        return true;
                    },
                    cx - r - 1, cy - r - 1, cx + r + 1, cy + r + 1);
            }
    }
    WriteLitSprite(c, atlasDirectory, "Soil");
}
