#pragma once

#include <cstdint>

// Four bytes in the order red, green, blue, alpha.
struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 255;

    constexpr Color() = default;
    constexpr Color(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t alpha)
        : r(red), g(green), b(blue), a(alpha) {}

    // Channel-wise product divided by 255, truncated: how tints combine down the tree.
    constexpr Color operator*(Color o) const {
        return {static_cast<std::uint8_t>(r * o.r / 255), static_cast<std::uint8_t>(g * o.g / 255),
                static_cast<std::uint8_t>(b * o.b / 255), static_cast<std::uint8_t>(a * o.a / 255)};
    }

    // The 32-bit word the graphics device takes: alpha in the top byte, then red, green, blue.
    constexpr std::uint32_t ToArgb() const {
        return (std::uint32_t(a) << 24) | (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | b;
    }

    constexpr bool operator==(const Color&) const = default;
};
