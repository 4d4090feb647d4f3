#pragma once

#include <cstddef>

// The kinds of drawable component, in the order an object submits them. An object
// draws at most one of each kind: the first attached (as its shortcuts name it).
enum class DrawSlot : unsigned char {
    Sprite,
    Text,
};

constexpr std::size_t DrawSlotCount = 2;
