#pragma once

#include "core/Rect.h"
#include "core/Vector2.h"

// Which rectangle of a 2-D world is shown and where on the back buffer.
class Camera2d {
public:
    Camera2d() = default;
    Camera2d(Vector2 position, Vector2 size, float rotation = 0.0f, Rect viewport = {})
        : Position(position), Size(size), Rotation(rotation), Viewport(viewport) {}
    virtual ~Camera2d() = default;

    // World point shown at the centre of the viewport.
    Vector2 Position;
    // World extent shown across the viewport; a negative component mirrors that axis.
    Vector2 Size{1.0f, 1.0f};
    // Radians; the world is shown turned by -Rotation.
    float Rotation = 0.0f;
    // Pixels, x and y from the top-left corner; width 0 means the whole back buffer.
    Rect Viewport;

    // A zero size component would divide by zero: such a camera shows nothing.
    bool CanDraw() const { return Size.x != 0.0f && Size.y != 0.0f; }
};

// What the sprite shaders receive for a camera: clip = RotScale * (p - Pos).
struct CameraConstants {
    float RotScale[2][2];
    Vector2 Pos;
};
CameraConstants MakeCameraConstants(const Camera2d& camera);

// Back-buffer pixel (x right, y down) to world units, for a back buffer of the given
// size (used when the camera's viewport is empty).
Vector2 ScreenToWorld(const Camera2d& camera, Vector2 point, int backBufferWidth, int backBufferHeight);
// The same for the game's back buffer (the Graphics record's size).
Vector2 ScreenToWorld(const Camera2d& camera, Vector2 point);
