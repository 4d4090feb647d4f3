#include "graphics/NineSlice.h"

#include <algorithm>
#include <cmath>

namespace {

// The four cut positions along one axis of the drawn quad, from `start` towards `end`.
std::array<float, 4> Cuts(float start, float end, float border) {
    const float span = end - start;
    const float inset = std::copysign(std::min(border, std::fabs(span) / 2.0f), span);
    return {start, start + inset, end - inset, end};
}

}  // namespace

std::array<SliceQuad, 9> NineSlice(Rect uv, Vector2 texels, float border, Vector2 size) {
    const std::array<float, 4> xs = Cuts(-size.x / 2.0f, size.x / 2.0f, border);
    const std::array<float, 4> ys = Cuts(size.y / 2.0f, -size.y / 2.0f, border);  // top first, y up
    const std::array<float, 4> us = Cuts(uv.x, uv.x + uv.width, border / texels.x);
    const std::array<float, 4> vs = Cuts(uv.y, uv.y + uv.height, border / texels.y);
    std::array<SliceQuad, 9> quads;
    for (std::size_t row = 0; row < 3; ++row) {
        for (std::size_t column = 0; column < 3; ++column) {
            SliceQuad& quad = quads[row * 3 + column];
            quad.Uv = Rect(us[column], vs[row], us[column + 1] - us[column], vs[row + 1] - vs[row]);
            quad.Size = Vector2(xs[column + 1] - xs[column], ys[row] - ys[row + 1]);
            quad.Centre = Vector2((xs[column] + xs[column + 1]) / 2.0f, (ys[row] + ys[row + 1]) / 2.0f);
        }
    }
    return quads;
}
