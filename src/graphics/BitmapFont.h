#pragma once

#include "graphics/Glyph.h"
#include "graphics/Texture.h"

#include <map>
#include <string>
#include <utility>

// A font read from a ".fnt" file: one page image, its glyphs and kerning pairs.
class BitmapFont {
public:
    // The ".fnt" file's stem: a saved "Font" property names the font by it.
    std::string Name;
    // The first page; without a colour image the font draws nothing.
    Texture Page;
    // Line height divided by the page height, and in pixels.
    float NormalizedLineHeight = 0.0f;
    float LineHeight = 0.0f;
    // Page width over page height: glyph widths are scaled by it so that glyphs keep
    // their pixel proportions on a page that is not square.
    float PageAspect = 1.0f;
    // Unicode code point -> glyph.
    std::map<int, Glyph> Glyphs;
    // First code -> (second code, amount divided by the page width).
    std::multimap<int, std::pair<int, float>> Kernings;

    // By code point (text is UTF-8). One the font has no glyph for is an all-zero
    // glyph: it takes no room and draws nothing. The map does not grow.
    const Glyph& GlyphFor(char32_t codePoint) const;
    bool HasGlyph(char32_t codePoint) const;

    // The normalised amount of the pair, 0 when there is none.
    float Kerning(char32_t first, char32_t second) const;

    bool CanDraw() const { return Page.ColorImage != 0; }
};
