#pragma once

#include "core/Vector2.h"

class GameObject;

// Where a level object stands, read and written as the stored values themselves (the
// position component's "Pos" and "Rotation", else the body's), so putting it back
// is exact to the bit.
struct Placement {
    Vector2 Pos;
    float Rotation = 0.0f;

    static Placement Of(const GameObject& object);
    void ApplyTo(GameObject& object) const;
};
