#pragma once

// One character of a bitmap font. Horizontal values are divided by the page width,
// vertical ones by the page height, so x, y, width and height are also the glyph's
// texture rectangle.
struct Glyph {
    int Id = 0;
    float X = 0.0f;
    float Y = 0.0f;
    float Width = 0.0f;
    float Height = 0.0f;
    float XOffset = 0.0f;
    float YOffset = 0.0f;
    float XAdvance = 0.0f;
};
