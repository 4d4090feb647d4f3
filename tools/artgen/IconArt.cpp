// The application icon: an ant seen from above, head up, dark on a warm disc of
// sand. Every size is drawn on its own canvas instead of scaled from the largest,
// so strokes never get thinner than the pixels can show, and detail (elbowed
// antennae, feet, eyes, shine, shadows, grain) comes only where it can be seen.
#include "ArtOutput.h"
#include "Noise.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

// Geometry is in icon units: 0..1 across the icon, y down, the body axis at u = 0.5.
constexpr float kAxis = 0.5f;

struct Rgb {
    float R, G, B;
};
constexpr Rgb kChitin{0.16f, 0.075f, 0.045f};
constexpr Rgb kLegChitin{0.2f, 0.095f, 0.055f};
constexpr Rgb kSandLight{0.99f, 0.87f, 0.58f};
constexpr Rgb kSandDark{0.93f, 0.66f, 0.32f};
constexpr Rgb kRim{0.66f, 0.38f, 0.15f};

// How much of the ant a size can carry: 0 at 16 px, 1 at 32, 2 up to 64, 3 above.
int DetailFor(int size) { return size <= 16 ? 0 : size <= 32 ? 1 : size <= 64 ? 2 : 3; }

struct Limb {
    float Ax, Ay, Bx, By, Radius;
};
struct Segment {
    float Cx, Cy, Rx, Ry;
};

struct Ant {
    std::vector<Limb> Limbs;        // legs, antennae and mandibles, under the body
    std::vector<Segment> Segments;  // gaster, petiole, thorax, head: back to front
};

using Joints = std::initializer_list<std::pair<float, float>>;

// A jointed line through the points (x offsets from the axis on the right side, y),
// each scaled by `unit`, and its mirror on the left.
void AddPair(Ant& ant, Joints joints, float radius, float axis = kAxis, float unit = 1) {
    for (float side : {-1.0f, 1.0f}) {
        const std::pair<float, float>* previous = nullptr;
        for (const auto& joint : joints) {
            if (previous)
                ant.Limbs.push_back({axis + side * previous->first * unit, previous->second * unit,
                                     axis + side * joint.first * unit, joint.second * unit, radius});
            previous = &joint;
        }
    }
}

// The 16 px icon is centred on the middle of a pixel, so the ant's body can have
// odd widths and its straight strokes can fill whole pixels.
constexpr float kTinyCentre = 8.5f / 16;

// The 16 px ant, laid out on its pixel grid (coordinates in pixels): a head three
// pixels wide, a one-pixel thorax, a gaster five wide, and legs and antennae one
// pixel wide with a single bend, so the silhouette stays crisp.

Ant MakeTinyAnt() {
    constexpr float px = 1.0f / 16, axis = kTinyCentre;
    Ant ant;
    for (Joints joints : {Joints{{0.5f, 6.5f}, {3.0f, 5.5f}, {4.0f, 3.5f}}, Joints{{0.5f, 7.5f}, {4.0f, 7.5f}, {5.5f, 9.0f}},
                          Joints{{0.5f, 8.5f}, {3.0f, 9.5f}, {4.5f, 13.0f}}, Joints{{0.5f, 3.2f}, {1.2f, 2.0f}, {2.6f, 1.8f}}})
        AddPair(ant, joints, 0.5f * px, axis, px);
    ant.Segments.push_back({axis, 12.2f * px, 2.5f * px, 2.6f * px});  // gaster
    ant.Segments.push_back({axis, 7.6f * px, 0.6f * px, 1.5f * px});   // thorax
    ant.Segments.push_back({axis, 4.5f * px, 1.6f * px, 1.5f * px});   // head
    return ant;
}

Ant MakeAnt(int size, int detail) {
    if (detail == 0)
        return MakeTinyAnt();
    const float pixel = 1.0f / float(size);
    // Legs and antennae at least a pixel wide; the larger sizes draw them to scale.
    const float leg = std::max(0.018f, 0.5f * pixel), antenna = std::max(0.013f, 0.5f * pixel);
    Ant ant;
    AddPair(ant, {{0.04f, 0.39f}, {0.15f, 0.33f}, {0.2f, 0.21f}, {0.22f, 0.15f}}, leg);
    AddPair(ant, {{0.045f, 0.43f}, {0.18f, 0.41f}, {0.29f, 0.47f}, {0.34f, 0.51f}}, leg);
    AddPair(ant, {{0.04f, 0.47f}, {0.15f, 0.54f}, {0.24f, 0.68f}, {0.28f, 0.78f}}, leg);
    AddPair(ant, {{0.035f, 0.2f}, {0.07f, 0.115f}, {0.16f, 0.08f}}, antenna);
    if (detail >= 2) {
        AddPair(ant, {{0.045f, 0.2f}, {0.04f, 0.168f}, {0.012f, 0.158f}}, std::max(0.012f, 0.6f * pixel));
        for (float side : {-1.0f, 1.0f})  // the antenna's club
            ant.Limbs.push_back({kAxis + side * 0.155f, 0.081f, kAxis + side * 0.172f, 0.077f, antenna * 1.5f});
    }
    ant.Segments.push_back({kAxis, 0.69f, 0.125f, 0.165f});  // gaster
    ant.Segments.push_back({kAxis, 0.535f, 0.032f, 0.032f});  // petiole
    if (detail >= 2) {
        ant.Segments.push_back({kAxis, 0.465f, 0.043f, 0.047f});  // propodeum
        ant.Segments.push_back({kAxis, 0.39f, 0.054f, 0.058f});   // pronotum
    } else {
        ant.Segments.push_back({kAxis, 0.425f, 0.055f, 0.1f});  // thorax
    }
    ant.Segments.push_back({kAxis, 0.255f, 0.085f, 0.078f});  // head
    // Drawn a little smaller about its middle (0.47 down), so antennae and feet
    // stay clear of the rim; a pixel stays the narrowest stroke.
    constexpr float scale = 0.92f, middle = 0.47f;
    auto placeU = [&](float u) { return kAxis + (u - kAxis) * scale; };
    auto placeV = [&](float v) { return 0.5f + (v - middle) * scale; };
    for (Limb& l : ant.Limbs)
        l = {placeU(l.Ax), placeV(l.Ay), placeU(l.Bx), placeV(l.By), std::max(l.Radius * scale, 0.5f * pixel)};
    for (Segment& s : ant.Segments)
        s = {placeU(s.Cx), placeV(s.Cy), s.Rx * scale, s.Ry * scale};
    return ant;
}

float LimbField(const Limb& l, float u, float v) { return Sdf::Segment(u, v, l.Ax, l.Ay, l.Bx, l.By, l.Radius); }
float SegmentField(const Segment& s, float u, float v) { return Sdf::Ellipse(u, v, s.Cx, s.Cy, s.Rx, s.Ry); }

// Signed distance to the whole silhouette, for its shadow.
float AntField(const Ant& ant, float u, float v) {
    float d = 1;
    for (const Limb& l : ant.Limbs)
        d = std::min(d, LimbField(l, u, v));
    for (const Segment& s : ant.Segments)
        d = std::min(d, SegmentField(s, u, v));
    return d;
}

class IconPainter {
public:
    explicit IconPainter(int size) : size_(float(size)), detail_(DetailFor(size)), canvas_(size, size, Supersampling(size)) {}

    Canvas Draw() {
        const Ant ant = MakeAnt(int(size_), detail_);
        PaintGround();
        if (detail_ >= 2)
            PaintShadow(ant);
        for (const Limb& l : ant.Limbs)
            PaintLimb(l);
        for (std::size_t i = 0; i < ant.Segments.size(); ++i)
            PaintSegment(ant.Segments[i], i == 0);
        if (detail_ >= 2)
            PaintEyes(ant.Segments.back());
        return std::move(canvas_);
    }

private:
    // Fine enough for clean edges at 16 px, coarse enough to keep 512 px in memory.
    static int Supersampling(int size) { return size <= 64 ? 8 : size <= 128 ? 4 : 2; }

    static Paint Flat(Rgb c, float alpha = 1) { return {c.R, c.G, c.B, alpha}; }

    // Paints `shade` wherever `field` (a signed distance in icon units) is negative,
    // within the box given in icon units.
    void Fill(const std::function<float(float, float)>& field, const std::function<Paint(float, float)>& shade,
              float u0, float v0, float u1, float v1) {
        canvas_.Draw(
            [&](float x, float y, Paint& p) {
                const float u = x / size_, v = y / size_;
                if (field(u, v) > 0)
                    return false;
                p = shade(u, v);
                return true;
            },
            u0 * size_ - 1, v0 * size_ - 1, u1 * size_ + 1, v1 * size_ + 1);
    }

    // The disc: lighter towards the upper left, a darker rim from 32 px up, a soft
    // drop shadow and grains of sand where there is room for them.
    void PaintGround() {
        const float c = detail_ == 0 ? kTinyCentre : 0.5f;
        const float radius = detail_ == 0 ? 7.5f / 16 : detail_ >= 2 ? 0.46f : 0.48f;
        const float rim = detail_ == 0 ? 0 : std::max(0.018f, 1.0f / size_);
        if (detail_ >= 2) {
            const float blur = 0.03f;
            Fill([&](float u, float v) { return std::hypot(u - 0.5f, v - 0.515f) - radius - blur; },
                 [&](float u, float v) {
                     const float d = std::hypot(u - 0.5f, v - 0.515f) - radius;
                     return Flat({0.2f, 0.1f, 0.02f}, 0.35f * (1 - Smoothstep(-blur, blur, d)));
                 },
                 0, 0, 1, 1);
        }
        Fill([&](float u, float v) { return std::hypot(u - c, v - c) - radius; },
             [&](float u, float v) {
                 const float d = std::hypot(u - c, v - c);
                 if (d > radius - rim)
                     return Flat(kRim);
                 // Light falls from the upper left across the dome of the disc.
                 const float light = std::clamp(0.55f - 0.9f * ((u - c) + (v - c)) - 0.6f * d, 0.0f, 1.0f);
                 float grain = 1;
                 if (detail_ >= 3)
                     grain = 0.95f + 0.1f * Noise::Fractal(u * 90, v * 90, 23, 3);
                 auto mix = [&](float a, float b) { return (b + (a - b) * light) * grain; };
                 return Paint{mix(kSandLight.R, kSandDark.R), mix(kSandLight.G, kSandDark.G),
                                mix(kSandLight.B, kSandDark.B), 1};
             },
             0, 0, 1, 1);
    }

    void PaintShadow(const Ant& ant) {
        const float dx = 0.012f, dy = 0.02f, blur = 0.012f;
        Fill([&](float u, float v) { return AntField(ant, u - dx, v - dy) - blur; },
             [&](float u, float v) {
                 const float d = AntField(ant, u - dx, v - dy);
                 return Flat({0.35f, 0.17f, 0.04f}, 0.4f * (1 - Smoothstep(-blur, blur, d)));
             },
             0.1f, 0.02f, 0.95f, 0.95f);
    }

    // A leg, antenna or mandible: flat at the small sizes, from 48 px a rounded
    // rod, lighter along its middle.
    void PaintLimb(const Limb& l) {
        Fill([&](float u, float v) { return LimbField(l, u, v); },
             [&](float u, float v) {
                 if (detail_ < 2)
                     return Flat(kLegChitin);
                 const float middle = std::clamp(-LimbField(l, u, v) / l.Radius, 0.0f, 1.0f);
                 const float shade = 0.75f + 0.6f * std::sqrt(middle);
                 return Flat({kLegChitin.R * shade, kLegChitin.G * shade, kLegChitin.B * shade});
             },
             std::min(l.Ax, l.Bx) - l.Radius, std::min(l.Ay, l.By) - l.Radius, std::max(l.Ax, l.Bx) + l.Radius,
             std::max(l.Ay, l.By) + l.Radius);
    }

    // A body segment: flat dark at the small sizes; from 48 px a dome lit from the
    // upper left with a highlight, and on the gaster the joints of its plates.
    void PaintSegment(const Segment& s, bool gaster) {
        Fill([&](float u, float v) { return SegmentField(s, u, v); },
             [&](float u, float v) {
                 if (detail_ < 2)
                     return Flat(kChitin);
                 const float nx = (u - s.Cx) / s.Rx, ny = (v - s.Cy) / s.Ry;
                 float shade = 0.85f + 0.55f * std::max(0.0f, -0.5f * nx - 0.6f * ny) * Sdf::Dome(u, v, s.Cx, s.Cy, s.Rx, s.Ry);
                 if (gaster && detail_ >= 3)
                     for (float joint : {-0.45f, 0.0f, 0.42f})
                         if (std::abs(ny - joint) * s.Ry < 0.008f)
                             shade *= 0.7f;
                 return Flat({kChitin.R * shade, kChitin.G * shade, kChitin.B * shade});
             },
             s.Cx - s.Rx, s.Cy - s.Ry, s.Cx + s.Rx, s.Cy + s.Ry);
        if (detail_ < 2)
            return;
        const float hx = s.Cx - 0.35f * s.Rx, hy = s.Cy - 0.4f * s.Ry, hrx = 0.3f * s.Rx, hry = 0.22f * s.Ry;
        Fill([&](float u, float v) { return Sdf::Ellipse(u, v, hx, hy, hrx, hry); },
             [&](float u, float v) {
                 return Flat({1, 0.93f, 0.85f}, 0.35f * Sdf::Dome(u, v, hx, hy, hrx, hry));
             },
             hx - hrx, hy - hry, hx + hrx, hy + hry);
    }

    void PaintEyes(const Segment& head) {
        for (float side : {-1.0f, 1.0f}) {
            const float cx = head.Cx + side * 0.73f * head.Rx, cy = head.Cy - 0.06f * head.Ry;
            const float rx = 0.21f * head.Rx, ry = 0.33f * head.Ry;
            Fill([&](float u, float v) { return Sdf::Ellipse(u, v, cx, cy, rx, ry); },
                 [](float, float) { return Flat({0.03f, 0.03f, 0.04f}); }, cx - rx, cy - ry, cx + rx, cy + ry);
            if (detail_ < 3)
                continue;
            const float gx = cx - 0.3f * rx, gy = cy - 0.35f * ry, g = 0.33f * rx;  // the glint
            Fill([&](float u, float v) { return Sdf::Ellipse(u, v, gx, gy, g, g); },
                 [](float, float) { return Flat({0.95f, 0.95f, 1}, 0.8f); }, gx - g, gy - g, gx + g, gy + g);
        }
    }

    float size_;
    int detail_;
    Canvas canvas_;
};

}  // namespace

void DrawIcons(const std::filesystem::path& directory) {
    for (int size : {16, 32, 48, 64, 128, 256, 512}) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path apps = directory / name / "apps";
        std::filesystem::create_directories(apps);
        SavePng(IconPainter(size).Draw().Colour(), apps / "org.vellimor.Vellimor.png");
    }
}
