#pragma once

// An axis-aligned rectangle: corner (x, y), then width and height.
struct Rect {
    float x = 0.0f;
    float y = 0.0f;
    float width = 0.0f;
    float height = 0.0f;

    constexpr Rect() = default;
    constexpr Rect(float xValue, float yValue, float widthValue, float heightValue)
        : x(xValue), y(yValue), width(widthValue), height(heightValue) {}

    constexpr bool operator==(const Rect&) const = default;
};
