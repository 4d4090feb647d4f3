#pragma once

#include <cstdint>

// One corner of a sprite quad as the vertex shaders read it (36 bytes, one stream).
struct SpriteVertex {
    // World units; z = depth of the object in tree order; w = 1.
    float x, y, z, w;
    // Tint as alpha<<24 | red<<16 | green<<8 | blue.
    std::uint32_t color;
    float u, v;
    // Cosine and sine of the quad's rotation, for turning lit normals.
    float cosine, sine;
};
static_assert(sizeof(SpriteVertex) == 36);
