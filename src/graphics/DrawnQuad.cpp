#include "graphics/DrawnQuad.h"

#include "graphics/AlphaMask.h"
#include "graphics/Texture.h"

#include <algorithm>
#include <cmath>

// The corners are those of SpriteBatch::AddQuad: uv.x at -size.x / 2 - origin.x, uv.y
// at size.y / 2 - origin.y, turned by Rotation about Position. The point is turned
// back into that frame and read as a fraction of the quad, whatever the signs of the
// size (a mirrored quad reads its texture mirrored, as it is drawn).
bool DrawnQuad::ShowsOpaqueAt(Vector2 point) const {
    if (Tex == nullptr || Colour.a < AlphaMask::Threshold || Size.x == 0.0f || Size.y == 0.0f) {
        return false;
    }
    const float c = std::cos(Rotation);
    const float s = std::sin(Rotation);
    const Vector2 d = point - Position;
    const Vector2 local(d.x * c + d.y * s, d.y * c - d.x * s);
    const float fx = (local.x + Size.x / 2.0f + Origin.x) / Size.x;
    const float fy = (Size.y / 2.0f - Origin.y - local.y) / Size.y;
    if (!(fx >= 0.0f && fx < 1.0f && fy >= 0.0f && fy < 1.0f)) {
        return false;
    }
    return Tex->IsOpaqueAt(Vector2(Uv.x + fx * Uv.width, Uv.y + fy * Uv.height));
}

Rect DrawnQuad::Bounds() const {
    const float c = std::cos(Rotation);
    const float s = std::sin(Rotation);
    Vector2 low(INFINITY, INFINITY);
    Vector2 high(-INFINITY, -INFINITY);
    for (const float fx : {-0.5f, 0.5f}) {
        for (const float fy : {-0.5f, 0.5f}) {
            const Vector2 corner(fx * Size.x - Origin.x, fy * Size.y - Origin.y);
            const Vector2 p(corner.x * c - corner.y * s + Position.x, corner.y * c + corner.x * s + Position.y);
            low = Vector2(std::min(low.x, p.x), std::min(low.y, p.y));
            high = Vector2(std::max(high.x, p.x), std::max(high.y, p.y));
        }
    }
    return Rect(low.x, low.y, high.x - low.x, high.y - low.y);
}
