#pragma once

#include "core/QuadSink.h"
#include "graphics/DrawnQuad.h"

#include <vector>

// A quad sink that keeps the quads a drawable submits, laid out as the sprite batch
// would under a camera that mirrors FlipX / FlipY, instead of drawing them.
class QuadCollector final : public QuadSink {
public:
    bool FlipX = false;
    bool FlipY = false;
    std::vector<DrawnQuad> Quads;

    void AddQuad(const Texture* texture, Rect uv, float rotation, Color colour, Vector2 size, Vector2 origin,
                 Vector2 position) override {
        size.x = FlipX ? -size.x : size.x;
        size.y = FlipY ? -size.y : size.y;
        Quads.push_back(DrawnQuad{texture, uv, rotation, colour, size, origin, position});
    }
    bool MirrorsX() const override { return FlipX; }
    bool MirrorsY() const override { return FlipY; }
};
