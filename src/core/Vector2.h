#pragma once

// Two 32-bit floats; world units or pixels depending on the camera.
struct Vector2 {
    float x = 0.0f;
    float y = 0.0f;

    constexpr Vector2() = default;
    constexpr Vector2(float xValue, float yValue) : x(xValue), y(yValue) {}

    constexpr Vector2 operator+(Vector2 o) const { return {x + o.x, y + o.y}; }
    constexpr Vector2 operator-(Vector2 o) const { return {x - o.x, y - o.y}; }
    constexpr Vector2 operator*(float s) const { return {x * s, y * s}; }
    constexpr Vector2& operator+=(Vector2 o) { x += o.x; y += o.y; return *this; }
    constexpr Vector2& operator-=(Vector2 o) { x -= o.x; y -= o.y; return *this; }
    constexpr bool operator==(const Vector2&) const = default;
};
