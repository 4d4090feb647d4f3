// Unlit user-interface art: the HUD's four tool buttons, the menu background and
// panel, and the editor's widgets. Editor pieces are light grey or white so the
// widgets' tints colour them; they are stretched to any size.
#include "ArtOutput.h"
#include "Noise.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// Signed distance to a rounded rectangle centred at (cx, cy).
float RoundedBox(float x, float y, float cx, float cy, float hw, float hh, float r) {
    const float qx = std::abs(x - cx) - hw + r, qy = std::abs(y - cy) - hh + r;
    return std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - r;
}

// A round HUD button: brass rim, dark inset face, the icon drawn by `icon`
// (returns its coverage 0..1 at a point of the 64 x 64 button).
Canvas DrawHudButton(const std::function<float(float, float)>& icon) {
    Canvas c(64, 64);
    c.Draw([&](float x, float y, Paint& p) {
        const float d = std::hypot(x - 32, y - 32);
        if (d > 30)
            return false;
        const float light = 0.5f + 0.5f * ((32 - x) + (32 - y)) / 60;
        if (d > 26) {
            const float bevel = 0.7f + 0.5f * light;
            p = {0.78f * bevel, 0.6f * bevel, 0.3f * bevel, 1};
        } else {
            const float face = 0.14f + 0.08f * (1 - d / 26) + 0.05f * (1 - light);
            p = {face * 1.1f, face, face * 0.85f, 0.95f};
        }
        const float a = icon(x, y);
        if (a > 0) {
            p.R += (0.96f - p.R) * a;
            p.G += (0.9f - p.G) * a;
            p.B += (0.74f - p.B) * a;
            p.A = std::max(p.A, a);
        }
        return true;
    });
    return c;
}

float Disc(float x, float y, float cx, float cy, float r) { return std::clamp(r - std::hypot(x - cx, y - cy), 0.0f, 1.0f); }

float SunAndMoon(float x, float y) {
    float a = Disc(x, y, 25, 25, 7);
    const float angle = std::atan2(y - 25, x - 25), d = std::hypot(x - 25, y - 25);
    if (d > 9 && d < 13 && std::abs(std::sin(angle * 4)) > 0.8f)
        a = 1;
    const float moon = Disc(x, y, 40, 40, 9) * (1 - Disc(x, y, 44, 36, 8));
    return std::max(a, moon);
}

float Seeds(float x, float y) {
    float a = 0;
    const float seeds[3][2] = {{24, 24}, {38, 30}, {28, 42}};
    for (const auto& s : seeds) {
        const float dx = (x - s[0]) / 4.5f, dy = (y - s[1]) / 6.5f;
        a = std::max(a, std::clamp((1 - std::hypot(dx, dy)) * 5, 0.0f, 1.0f));
    }
    return a;
}

float Lens(float x, float y) {
    const float d = std::hypot(x - 28, y - 28);
    const float ring = std::clamp(2.5f - std::abs(d - 10), 0.0f, 1.0f);
    const float handle = std::clamp(3.2f - Sdf::Segment(x, y, 36, 36, 46, 46, 0) , 0.0f, 1.0f);
    return std::max(ring, handle);
}

float Flashlight(float x, float y) {
    // Body along the diagonal from the lower left, the beam opening up-right.
    const float u = (x - y) / std::sqrt(2.0f), v = (x + y) / std::sqrt(2.0f) - 45;
    const float body = (std::abs(u) < 4 && v > -2 && v < 14) ? 1.0f : 0.0f;
    const float head = (std::abs(u) < 6.5f && v > -8 && v <= -2) ? 1.0f : 0.0f;
    const float beam = (v < -10 && v > -19 && std::abs(u) < 3 - (v + 10) * 0.6f) ? 0.55f : 0.0f;
    return std::max({body, head, beam});
}

void DrawMenuArt(const std::filesystem::path& dir) {
    Canvas background(256, 144, 2);
    background.Draw([](float x, float y, Paint& p) {
        const float dx = (x - 128) / 128, dy = (y - 72) / 72;
        const float vignette = Smoothstep(0.2f, 1.4f, std::sqrt(dx * dx + dy * dy));
        const float grain = Noise::Fractal(x / 24, y / 24, 600, 3);
        p = {0.07f + 0.04f * grain, 0.055f + 0.03f * grain, 0.04f, 0.6f + 0.35f * vignette};
        return true;
    });
    WriteSprite(background, dir, "MenuBg");

    // Drawn nine-sliced 16 texels in from each side at one texel a pixel: the corner
    // and the frame fit inside those 16.
    Canvas panel(128, 128);
    panel.Draw([](float x, float y, Paint& p) {
        const float d = RoundedBox(x, y, 64, 64, 62, 62, 12);
        if (d > 0)
            return false;
        const float grain = Noise::Fractal(x / 12, y / 12, 601, 3);
        if (d > -5) {
            p = {0.5f, 0.36f, 0.2f, 1};
            return true;
        }
        p = {0.86f - 0.08f * grain, 0.79f - 0.08f * grain, 0.63f - 0.06f * grain, 0.94f};
        return true;
    });
    WriteSprite(panel, dir, "MenuPanel");
}

Canvas Gradient(int w, int h, float top, float bottom, float border, bool bevel) {
    Canvas c(w, h, 2);
    c.Draw([=](float x, float y, Paint& p) {
        float v = top + (bottom - top) * y / float(h);
        if (bevel) {
            // Light from the top left; drawn mirrored, the button looks pressed in.
            if (x < 1 || y < 1)
                v = 1;
            else if (x > float(w) - 1 || y > float(h) - 1)
                v = border;
        } else if (x < 1 || y < 1 || x > float(w) - 1 || y > float(h) - 1) {
            v = border;
        }
        p = {v, v, v, 1};
        return true;
    });
    return c;
}

}  // namespace

void DrawHud(const std::filesystem::path& atlasDirectory) {
    WriteSprite(DrawHudButton(SunAndMoon), atlasDirectory, "BtnDayNight");
    WriteSprite(DrawHudButton(Seeds), atlasDirectory, "BtnFeed");
    WriteSprite(DrawHudButton(Lens), atlasDirectory, "BtnExamine");
    WriteSprite(DrawHudButton(Flashlight), atlasDirectory, "BtnLight");
    DrawMenuArt(atlasDirectory);
}

void DrawEditor(const std::filesystem::path& atlasDirectory) {
    Canvas white(1, 1, 1);
    white.Draw([](float, float, Paint& p) { return p = {1, 1, 1, 1}, true; });
    WriteSprite(white, atlasDirectory, "1PixelWhite");

    Canvas panel(32, 32, 2);
    panel.Draw([](float x, float y, Paint& p) {
        const bool edge = x < 1 || y < 1 || x > 31 || y > 31;
        const float v = edge ? 0.42f : 0.17f + 0.03f * (1 - y / 32);
        p = {v, v * 1.03f, v * 1.1f, edge ? 1.0f : 0.93f};
        return true;
    });
    WriteSprite(panel, atlasDirectory, "Panel");

    // Dark enough at its top for white text at 4.5 : 1 or more.
    Canvas title = Gradient(32, 16, 0.42f, 0.28f, 0.2f, false);
    WriteSprite(title, atlasDirectory, "TitleBar");
    WriteSprite(Gradient(32, 16, 0.9f, 0.66f, 0.35f, true), atlasDirectory, "Button");
    WriteSprite(Gradient(32, 16, 0.93f, 1.0f, 0.55f, false), atlasDirectory, "Field");
    WriteSprite(Gradient(32, 16, 1.0f, 0.9f, 0.75f, false), atlasDirectory, "ListItem");

    for (bool on : {false, true}) {
        Canvas toggle(16, 16);
        toggle.Draw([on](float x, float y, Paint& p) {
            const float box = RoundedBox(x, y, 8, 8, 7, 7, 2);
            if (box > 0)
                return false;
            const bool check = Sdf::Segment(x, y, 4, 8.5f, 7, 11.5f, 1.2f) < 0 || Sdf::Segment(x, y, 7, 11.5f, 12, 4.5f, 1.2f) < 0;
            const float v = box > -1.2f ? 0.35f : (on && check ? 0.15f : 0.97f);
            p = {v, v, v, 1};
            return true;
        });
        WriteSprite(toggle, atlasDirectory, on ? "ToggleOn" : "ToggleOff");
    }

    Canvas indicator(32, 32);
    indicator.Draw([](float x, float y, Paint& p) {
        const float ex = std::min(x, 32 - x), ey = std::min(y, 32 - y);
        const bool bracket = (ex < 2.5f && ey < 10) || (ey < 2.5f && ex < 10);
        if (!bracket)
            return false;
        p = {1, 1, 1, 1};
        return true;
    });
    WriteSprite(indicator, atlasDirectory, "SelectionIndicator");
}
