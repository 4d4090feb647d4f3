#include "graphics/BitmapFont.h"

namespace {

int CodeOf(char character) {
    return static_cast<signed char>(character);
}

}  // namespace

const Glyph& BitmapFont::GlyphFor(char character) const {
    static const Glyph kNone;
    const auto at = Glyphs.find(CodeOf(character));
    return at != Glyphs.end() ? at->second : kNone;
}

float BitmapFont::Kerning(char first, char second) const {
    const auto [begin, end] = Kernings.equal_range(CodeOf(first));
    for (auto at = begin; at != end; ++at) {
        if (at->second.first == CodeOf(second)) {
            return at->second.second;
        }
    }
    return 0.0f;
}
