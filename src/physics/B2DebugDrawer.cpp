#include "physics/B2DebugDrawer.h"

#include "core/Engine.h"
#include "graphics/Graphics.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace {

// The circle's eight directions, from +x counter-clockwise.
constexpr float kDiagonal = 0.7071068f;
constexpr std::array<Vector2, 8> kCircleDirections{{{1.0f, 0.0f},
                                                    {kDiagonal, kDiagonal},
                                                    {0.0f, 1.0f},
                                                    {-kDiagonal, kDiagonal},
                                                    {-1.0f, 0.0f},
                                                    {-kDiagonal, -kDiagonal},
                                                    {0.0f, -1.0f},
                                                    {kDiagonal, -kDiagonal}}};

std::uint8_t ToByte(float channel) {
    return static_cast<std::uint8_t>(std::clamp(channel, 0.0f, 1.0f) * 255.0f);
}

}  // namespace

float B2DebugDrawer::WorldCameraUnitsPerPixel() {
    const Graphics* graphics = Engine::Graphics;
    if (graphics == nullptr || graphics->Width <= 0) {
        return 1.0f / 32.0f;
    }
    return std::abs(graphics->WorldCamera.Size.x) / static_cast<float>(graphics->Width);
}

Color B2DebugDrawer::ToColor(const b2Color& color) {
    return Color(ToByte(color.r), ToByte(color.g), ToByte(color.b), 255);
}

void B2DebugDrawer::Emit(const Vector2* points, int count, const b2Color& color, bool closed) {
    if (LineStrip) {
        LineStrip(points, count, ToColor(color), closed);
    }
}

void B2DebugDrawer::DrawPolygon(const b2Vec2* vertices, int32 vertexCount, const b2Color& color) {
    std::vector<Vector2> points;
    points.reserve(static_cast<std::size_t>(vertexCount));
    for (int32 i = 0; i < vertexCount; ++i) {
        points.push_back({vertices[i].x, vertices[i].y});
    }
    Emit(points.data(), vertexCount, color, true);
}

void B2DebugDrawer::DrawSolidPolygon(const b2Vec2* vertices, int32 vertexCount, const b2Color& color) {
    DrawPolygon(vertices, vertexCount, color);
}

void B2DebugDrawer::DrawCircle(const b2Vec2& center, float radius, const b2Color& color) {
    std::array<Vector2, 8> points;
    for (std::size_t i = 0; i < points.size(); ++i) {
        points[i] = {center.x + radius * kCircleDirections[i].x, center.y + radius * kCircleDirections[i].y};
    }
    Emit(points.data(), static_cast<int>(points.size()), color, true);
}

void B2DebugDrawer::DrawSolidCircle(const b2Vec2& center, float radius, const b2Vec2&, const b2Color& color) {
    DrawCircle(center, radius, color);
}

void B2DebugDrawer::DrawSegment(const b2Vec2& p1, const b2Vec2& p2, const b2Color& color) {
    const Vector2 points[2] = {{p1.x, p1.y}, {p2.x, p2.y}};
    Emit(points, 2, color, false);
}

void B2DebugDrawer::DrawPoint(const b2Vec2& p, float, const b2Color& color) {
    DrawPointMarker({p.x, p.y}, color);
}

void B2DebugDrawer::DrawPointMarker(Vector2 point, const b2Color& color) {
    const float h = WorldUnitsPerPixel() * 3.0f * 0.5f;
    const b2Vec2 corners[4] = {{point.x - h, point.y + h},
                               {point.x - h, point.y - h},
                               {point.x + h, point.y - h},
                               {point.x + h, point.y + h}};
    DrawPolygon(corners, 4, color);
}

void B2DebugDrawer::DrawEditPoints() {
    for (std::size_t i = 0; i < EditPoints.size(); ++i) {
        b2Color color(1.0f, 1.0f, 1.0f);
        if (static_cast<int>(i) == SelectedEditPoint) {
            color = b2Color(1.0f, 0.0f, 0.0f);
        } else if (i == 0) {
            color = b2Color(0.0f, 1.0f, 0.0f);
        }
        DrawPointMarker(EditPoints[i], color);
    }
}
