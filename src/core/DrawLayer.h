#pragma once

#include <cstdint>

// The draw layers, as bit flags: a pass draws the objects whose layer has its bit.
enum class DrawLayer : std::uint32_t {
    None = 0,
    Background = 1,
    BackgroundLit = 2,
    ForegroundLit = 4,
    SpriteLights = 8,
    Foreground = 16,
    ForegroundAdd = 32,
    Ui = 64,
    EditorSelection = 128,
    Editor = 256,
    EditorText = 512,
    Editor2 = 1024,
    EditorText2 = 2048,
};
