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

struct Span {
    float Start = 0.0f;
    float Length = 0.0f;
};

// The three parts of the image along one axis: the borders whole, the middle no
// longer than it is drawn (`drawn`, in the same units) and taken from its centre, so
// a middle drawn smaller than the image's is never minified, which would blur it
// with the atlas images around it.
std::array<Span, 3> ImageSpans(float start, float length, float border, float drawn) {
    const std::array<float, 4> cut = Cuts(start, start + length, border);
    const float middle = cut[2] - cut[1];
    const float shown = std::min(middle, drawn);
    return {Span{cut[0], cut[1] - cut[0]}, Span{cut[1] + (middle - shown) / 2.0f, shown}, Span{cut[2], cut[3] - cut[2]}};
}

}  // namespace

std::array<SliceQuad, 9> NineSlice(Rect uv, Vector2 texels, float border, Vector2 size) {
    const std::array<float, 4> xs = Cuts(-size.x / 2.0f, size.x / 2.0f, border);
    const std::array<float, 4> ys = Cuts(size.y / 2.0f, -size.y / 2.0f, border);  // top first, y up
    const std::array<Span, 3> us = ImageSpans(uv.x, uv.width, border / texels.x, std::fabs(xs[2] - xs[1]) / texels.x);
    const std::array<Span, 3> vs = ImageSpans(uv.y, uv.height, border / texels.y, std::fabs(ys[2] - ys[1]) / texels.y);
    std::array<SliceQuad, 9> quads;
    for (std::size_t row = 0; row < 3; ++row) {
        for (std::size_t column = 0; column < 3; ++column) {
            SliceQuad& quad = quads[row * 3 + column];
            quad.Uv = Rect(us[column].Start, vs[row].Start, us[column].Length, vs[row].Length);
            quad.Size = Vector2(xs[column + 1] - xs[column], ys[row] - ys[row + 1]);
            quad.Centre = Vector2((xs[column] + xs[column + 1]) / 2.0f, (ys[row] + ys[row + 1]) / 2.0f);
        }
    }
    return quads;
}
