#pragma once

#include "core/Color.h"
#include "core/Vector2.h"

// Where the tree walk draws one object in the current pass: the same for every
// drawable component of the object.
struct DrawPlacement {
    // World position, after the parent offset of a relative position.
    Vector2 Position;
    // Radians counter-clockwise; never inherited from the parents.
    float Rotation = 0.0f;
    // White times every tint from the root down to the object.
    Color Colour{255, 255, 255, 255};
    // The layers of the current pass, as DrawLayer bits.
    unsigned LayerMask = 0;
};
