#pragma once

#include "core/Behavior.h"
#include "core/Vector2.h"

// Lights its sprite uniformly from one direction. This form keeps the direction it
// is given, which is all the gameplay screen needs to drive it.
class DirectionalSpriteLightBhv : public Behavior {
public:
    DirectionalSpriteLightBhv();

    Vector2 GetDirection() const { return direction_; }
    void SetDirection(Vector2 direction) { direction_ = direction; }

private:
    Vector2 direction_;
};
