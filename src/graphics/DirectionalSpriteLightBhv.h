#pragma once

#include "core/Behavior.h"
#include "core/Vector2.h"

// Makes its object's light sprite shine uniformly from one direction. The sprite's
// image is a direction map (a hemisphere of normals, say): "Direction", a point in
// [-1, 1]^2, shrinks the sprite's texture rectangle to the one texel of that image
// at that point, so every pixel of the light reads the same colour and direction.
// The sprite keeps its image index and name; only its texture rectangle moves.
class DirectionalSpriteLightBhv : public Behavior {
public:
    DirectionalSpriteLightBhv();

    // (-1, -1) is the image's top-left corner, (0, 0) its centre, (1, 1) its
    // bottom-right corner. Reads (0, 0) without a sprite, without a texture or for an
    // image of no width or height; setting does nothing without a sprite or texture.
    Vector2 GetDirection() const;
    void SetDirection(Vector2 direction);
};
