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

// A panel image drawn at any size with its corners intact: cut `border` texels in
// from each side into nine parts, its corners are drawn one unit a texel (a pixel on
// the screen layers), its edges stretch along their length and its middle both ways
// (drawn shorter than in the image, they show the image's middle part unsqueezed). A
// sprite smaller than two corners gets corners of half its size. `uv` is the image's
// atlas rectangle, `texels` the atlas size in pixels, `size` the sprite's drawn size.
// Rows top first, each left to right.
std::array<SliceQuad, 9> NineSlice(Rect uv, Vector2 texels, float border, Vector2 size);
