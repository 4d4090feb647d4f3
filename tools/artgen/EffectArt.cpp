// Unlit effect sprites: the magnifying glass, smoke, flame and sparkle.
#include "ArtOutput.h"
#include "Noise.h"

#include <algorithm>
#include <cmath>

namespace {

Canvas DrawMagnifyingGlass() {
    Canvas c(160, 160);
    const float cx = 60, cy = 60, radius = 44;
    // Handle: a brass ferrule, then turned wood, pointing down-right.
    c.Draw([](float x, float y, Paint& p) {
        const float d = Sdf::Segment(x, y, 108, 108, 150, 150, 8);
        if (d > 0)
            return false;
        const float across = (x - y) / 16;  // -1..1 across the handle
        const float shade = 0.55f + 0.45f * std::cos(across * 2.2f + 0.6f);
        const float ring = std::abs(std::sin((x + y) * 0.35f)) > 0.97f ? 0.8f : 1.0f;
        p = {0.45f * shade * ring, 0.22f * shade * ring, 0.12f * shade * ring, 1};
        return true;
    });
    c.Draw([](float x, float y, Paint& p) {
        if (Sdf::Segment(x, y, 92, 92, 110, 110, 6.5f) > 0)
            return false;
        const float shade = 0.6f + 0.4f * std::cos((x - y) / 13 * 2.2f + 0.6f);
        p = {0.85f * shade, 0.66f * shade, 0.3f * shade, 1};
        return true;
    });
    // Lens: faintly tinted glass with two reflections, inside a brass rim.
    c.Draw([=](float x, float y, Paint& p) {
        const float d = std::hypot(x - cx, y - cy);
        if (d > radius + 1)
            return false;
        if (d > radius - 6) {
            const float light = 0.6f + 0.4f * ((cx - x) + (cy - y)) / (radius * 1.5f);
            const float edge = 1 - std::abs(d - (radius - 2.5f)) / 3.5f;
            p = {0.86f * light, 0.68f * light, 0.32f * light, std::clamp(edge * 3, 0.0f, 1.0f)};
            return true;
        }
        const float angle = std::atan2(y - cy, x - cx);
        const float glint = (d > radius * 0.55f && d < radius * 0.72f && angle > -2.6f && angle < -1.9f) ? 0.55f : 0.0f;
        const float glint2 = (std::hypot(x - cx - 14, y - cy - 16) < 4) ? 0.4f : 0.0f;
        const float a = 0.16f + glint + glint2;
        p = {0.75f + glint, 0.9f + glint * 0.2f, 0.95f, a};
        return true;
    });
    return c;
}

Canvas DrawSmokePuff() {
    Canvas c(64, 64, 2);
    c.Draw([](float x, float y, Paint& p) {
        const float d = std::hypot(x - 32, y - 32) / 30;
        const float billow = Noise::Fractal(x / 10, y / 10, 500, 4);
        const float a = (1 - Smoothstep(0.3f, 1.0f, d + (billow - 0.5f) * 0.5f)) * (0.5f + 0.5f * billow);
        const float tone = 0.55f + 0.25f * billow;
        p = {tone, tone, tone * 1.02f, a};
        return a > 0;
    });
    return c;
}

Canvas DrawFlame() {
    Canvas c(32, 48, 4);
    c.Draw([](float x, float y, Paint& p) {
        const float t = (y - 2) / 44;  // 0 at the tip, 1 at the base
        if (t < 0 || t > 1)
            return false;
        const float halfWidth = 12 * std::pow(t, 0.7f) * std::sqrt(std::max(0.0f, 1 - std::pow(t, 6.0f)));
        const float u = std::abs(x - 16) / std::max(halfWidth, 0.01f);
        if (u > 1)
            return false;
        const float heat = (1 - u) * (0.35f + 0.65f * t);  // hottest low in the middle
        p = {1, std::clamp(0.25f + heat * 1.2f, 0.0f, 1.0f), std::clamp(heat * heat * 1.3f - 0.2f, 0.0f, 1.0f),
             std::clamp((1 - u * u) * 1.4f, 0.0f, 1.0f) * Smoothstep(0, 0.25f, t + 0.05f)};
        return true;
    });
    return c;
}

Canvas DrawSparkle() {
    Canvas c(32, 32, 4);
    c.Draw([](float x, float y, Paint& p) {
        const float dx = std::abs(x - 16), dy = std::abs(y - 16);
        const float star = std::max(std::max(0.0f, 1 - dx / 15) * std::max(0.0f, 1 - dy / 1.6f),
                                    std::max(0.0f, 1 - dy / 15) * std::max(0.0f, 1 - dx / 1.6f));
        const float glow = std::exp(-(dx * dx + dy * dy) / 18);
        const float a = std::clamp(star * 1.5f + glow, 0.0f, 1.0f);
        p = {1, 0.97f, 0.8f + 0.2f * glow, a};
        return a > 0.003f;
    });
    return c;
}

}  // namespace

void DrawEffects(const std::filesystem::path& atlasDirectory) {
    WriteSprite(DrawMagnifyingGlass(), atlasDirectory, "MagnifyingGlass");
    WriteSprite(DrawSmokePuff(), atlasDirectory, "SmokePuff");
    WriteSprite(DrawFlame(), atlasDirectory, "Flame");
    WriteSprite(DrawSparkle(), atlasDirectory, "Sparkle");
}
