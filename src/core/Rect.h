#pragma once

// An axis-aligned rectangle: corner (x, y), then width and height.
struct Rect {
    float x = 0.0f;
    float y = 0.0f;
    float width = 0.0f;
    float height = 0.0f;

    constexpr bool operator==(const Rect&) const = default;
};
