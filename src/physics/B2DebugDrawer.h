#pragma once

#include "core/Color.h"
#include "core/Vector2.h"

#include <box2d/b2_draw.h>

#include <functional>
#include <vector>

// Draws the physics world as coloured lines: every shape as a line strip (solid
// shapes as outlines, circles as 8-point polygons), plus the shape editor's edit
// points as small squares. Lines go to LineStrip, which the frame pipeline points at
// its line-strip primitive; tests record them instead.
class B2DebugDrawer : public b2Draw {
public:
    // points, count, colour, closed (the last point joins the first).
    using LineStripSink = std::function<void(const Vector2*, int, Color, bool)>;

    LineStripSink LineStrip;
    // World size of one back-buffer pixel under the world camera, which keeps the
    // edit-point markers three pixels wide at any zoom.
    std::function<float()> WorldUnitsPerPixel = WorldCameraUnitsPerPixel;
    static float WorldCameraUnitsPerPixel();

    // World coordinates; the shape editor fills and clears them.
    std::vector<Vector2> EditPoints;
    // Index into EditPoints, -1 for none.
    int SelectedEditPoint = -1;

    void DrawPolygon(const b2Vec2* vertices, int32 vertexCount, const b2Color& color) override;
    void DrawSolidPolygon(const b2Vec2* vertices, int32 vertexCount, const b2Color& color) override;
    void DrawCircle(const b2Vec2& center, float radius, const b2Color& color) override;
    void DrawSolidCircle(const b2Vec2& center, float radius, const b2Vec2& axis, const b2Color& color) override;
    void DrawSegment(const b2Vec2& p1, const b2Vec2& p2, const b2Color& color) override;
    void DrawTransform(const b2Transform&) override {}
    // Box2D's point primitive, shown as a marker.
    void DrawPoint(const b2Vec2& p, float size, const b2Color& color) override;

    // A square three pixels wide around (x, y).
    void DrawPointMarker(Vector2 point, const b2Color& color);
    // Red for the selected point, else green for the first, white for the rest.
    void DrawEditPoints();

    // Channels 0..1 times 255, truncated; opaque.
    static Color ToColor(const b2Color& color);

private:
    void Emit(const Vector2* points, int count, const b2Color& color, bool closed);
};
