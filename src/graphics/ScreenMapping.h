#pragma once

#include "core/Rect.h"
#include "core/Vector2.h"
#include "graphics/Camera2d.h"
#include "graphics/SpriteVertex.h"

#include <algorithm>

// Where the current camera puts the batch's vertices on the back buffer, in pixels
// from the top-left corner, as the vertex shader does.
struct ScreenMapping {
    CameraConstants Camera{};
    Rect Viewport;

    Vector2 ToPixels(const SpriteVertex& vertex) const {
        const float dx = vertex.x - Camera.Pos.x;
        const float dy = vertex.y - Camera.Pos.y;
        const float clipX = dx * Camera.RotScale[0][0] + dy * Camera.RotScale[0][1];
        const float clipY = dx * Camera.RotScale[1][0] + dy * Camera.RotScale[1][1];
        return Vector2(Viewport.x + (clipX * 0.5f + 0.5f) * Viewport.width,
                       Viewport.y + (0.5f - clipY * 0.5f) * Viewport.height);
    }

    struct Area {
        float left, top, right, bottom;
    };
    // The box of a quad's four corners, in pixels.
    static Area Bounds(const Vector2 (&corners)[4]) {
        const Vector2* p = corners;
        return Area{std::min({p[0].x, p[1].x, p[2].x, p[3].x}), std::min({p[0].y, p[1].y, p[2].y, p[3].y}),
                    std::max({p[0].x, p[1].x, p[2].x, p[3].x}), std::max({p[0].y, p[1].y, p[2].y, p[3].y})};
    }
    // The pixels a quad with that box may touch: the box clipped to the viewport, a
    // pixel further off than rounding could move an edge.
    Area Reach(const Area& bounds) const {
        return Area{std::max(bounds.left, Viewport.x) - 1.0f, std::max(bounds.top, Viewport.y) - 1.0f,
                    std::min(bounds.right, Viewport.x + Viewport.width) + 1.0f,
                    std::min(bounds.bottom, Viewport.y + Viewport.height) + 1.0f};
    }
    // The pixels a quad (four vertices) may touch.
    Area QuadArea(const SpriteVertex* quad) const {
        const Vector2 corners[4] = {ToPixels(quad[0]), ToPixels(quad[1]), ToPixels(quad[2]), ToPixels(quad[3])};
        return Reach(Bounds(corners));
    }
};
