#pragma once

#include "core/Rect.h"
#include "core/Vector2.h"

#include <array>

// One of the nine quads of a sliced sprite.
struct SliceQuad {
    // The part of the atlas it shows, normalised, from the top-left corner.
    Rect Uv;
    // Its drawn size, negative along an axis the sprite is mirrored on.
    Vector2 Size;
    // Its centre from the sprite's centre, y up.
    Vector2 Centre;
};

// A panel image scaled without blurring or blocking its corners: the image is cut
// `border` texels in from each side into nine parts; the corners are drawn one unit
// a texel (a pixel on the screen layers), the edges stretch along their length and
// the middle both ways; drawn shorter than the image's, they show the image's middle
// part at one texel a unit instead of squeezing it (so a panel's edges should look
// the same all along). On a sprite smaller than two corners the corners shrink to
// half of it. `uv` is the image's atlas rectangle, `texels` the atlas size in pixels,
// `size` the sprite's drawn size. Rows top first, each left to right.
std::array<SliceQuad, 9> NineSlice(Rect uv, Vector2 texels, float border, Vector2 size);
