#pragma once

#include "core/Color.h"
#include "core/Rect.h"
#include "core/Vector2.h"

class Texture;

// One textured quad as the sprite batch lays it out (SpriteBatch::AddQuad, with the
// camera's mirroring already in the size), kept to ask what it shows at a point.
struct DrawnQuad {
    const Texture* Tex = nullptr;
    Rect Uv;
    float Rotation = 0.0f;
    Color Colour;
    Vector2 Size;
    Vector2 Origin;
    Vector2 Position;

    // The quad covers the point with a texel opaque by its texture's alpha mask,
    // drawn with a colour no fainter than the mask's threshold.
    bool ShowsOpaqueAt(Vector2 point) const;
    // The axis-aligned box around the turned quad.
    Rect Bounds() const;
};
