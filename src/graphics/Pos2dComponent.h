#pragma once

#include "core/Component.h"
#include "core/IEditable.h"
#include "core/Vector2.h"

// Where an object is: a position in world units, either absolute or relative to the
// nearest positioned ancestor, and a rotation in radians that is never inherited.
class Pos2dComponent : public Component, public IEditable {
public:
    Pos2dComponent();

    Vector2 Pos;
    float Rotation = 0.0f;
    bool IsRelative = false;

    // The sum of "Pos" up the parent chain, stopping after the first non-relative one;
    // objects without a position component are passed over.
    Vector2 GetWorldPosition() const;
};
