#include "graphics/Camera2d.h"

#include "core/Engine.h"
#include "graphics/Graphics.h"

#include <cmath>

CameraConstants MakeCameraConstants(const Camera2d& camera) {
    const float sx = 2.0f / camera.Size.x;
    const float sy = 2.0f / camera.Size.y;
    const float c = std::cos(camera.Rotation);
    const float s = std::sin(camera.Rotation);
    // Texel centres already sit on pixel centres in OpenGL: no half-pixel shift.
    return CameraConstants{{{c * sx, s * sx}, {-s * sy, c * sy}}, camera.Position};
}

Vector2 ScreenToWorld(const Camera2d& camera, Vector2 point, int backBufferWidth, int backBufferHeight) {
    Rect v = camera.Viewport;
    if (v.width == 0.0f) {
        v = Rect(0.0f, 0.0f, static_cast<float>(backBufferWidth), static_cast<float>(backBufferHeight));
    }
    Vector2 r = point - Vector2(v.x, v.y);
    r -= Vector2(v.width / 2.0f, v.height / 2.0f);
    r.y = -r.y;
    r = Vector2(r.x * camera.Size.x / v.width, r.y * camera.Size.y / v.height);
    const float c = std::cos(camera.Rotation);
    const float s = std::sin(camera.Rotation);
    return Vector2(r.x * c - r.y * s, r.x * s + r.y * c) + camera.Position;
}

Vector2 ScreenToWorld(const Camera2d& camera, Vector2 point) {
    const Graphics& graphics = *Engine::Graphics;
    return ScreenToWorld(camera, point, graphics.Width, graphics.Height);
}
