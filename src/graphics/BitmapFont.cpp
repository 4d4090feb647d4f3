#include "graphics/BitmapFont.h"

namespace {

int CodeOf(char32_t codePoint) { return static_cast<int>(codePoint); }

}  // namespace

const Glyph& BitmapFont::GlyphFor(char32_t codePoint) const {
    static const Glyph kNone;
    const auto at = Glyphs.find(CodeOf(codePoint));
    return at != Glyphs.end() ? at->second : kNone;
}

bool BitmapFont::HasGlyph(char32_t codePoint) const { return Glyphs.count(CodeOf(codePoint)) != 0; }

float BitmapFont::Kerning(char32_t first, char32_t second) const {
    const auto [begin, end] = Kernings.equal_range(CodeOf(first));
    for (auto at = begin; at != end; ++at) {
        if (at->second.first == CodeOf(second)) {
            return at->second.second;
        }
    }
    return 0.0f;
}
