#pragma once

#include "core/Color.h"
#include "core/Rect.h"
#include "core/Vector2.h"

class Texture;

// Where drawable components put their textured quads during a pass of the tree walk.
// The sink groups them by texture and gives each the depth of the object being drawn.
class QuadSink {
public:
    // One quad: size and origin in world units, rotation in radians counter-clockwise
    // about position.
    virtual void AddQuad(const Texture* texture, Rect uv, float rotation, Color colour, Vector2 size, Vector2 origin,
                         Vector2 position) = 0;

    // The current camera mirrors that axis. AddQuad turns every quad back upright on
    // its own; a drawable that lays several quads out side by side mirrors its offsets.
    virtual bool MirrorsX() const = 0;
    virtual bool MirrorsY() const = 0;

protected:
    QuadSink() = default;
    QuadSink(const QuadSink&) = default;
    QuadSink& operator=(const QuadSink&) = default;
    ~QuadSink() = default;
};
