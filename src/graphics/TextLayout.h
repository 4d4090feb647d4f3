#pragma once

#include "core/TextXAlignment.h"
#include "core/TextYAlignment.h"
#include "core/Vector2.h"

#include <string>
#include <vector>

class BitmapFont;
class QuadSink;
struct DrawPlacement;

// How a text is set: sizes in world units, spacings in font sizes.
struct TextStyle {
    float FontSize = 1.0f;
    float LineSpacing = 1.0f;
    float ParagraphSpacing = 0.75f;
    // Wrap width and maximum height; 0 = unlimited.
    Vector2 BoxSize;
    TextXAlignment AlignX = TextXAlignment::Left;
    TextYAlignment AlignY = TextYAlignment::Middle;
};

// A text broken into lines.
struct TextLines {
    std::vector<std::string> Lines;
    // Per line, in world units; trailing spaces count.
    std::vector<float> Widths;
    // The block's height; after the box cut lines off, it still counts the first line
    // that did not fit.
    float Height = 0.0f;
};

// Lays bitmap-font text out on the CPU; the graphics device only ever sees its quads.
namespace TextLayout {

// The text is UTF-8 and a character is one code point. "\n" starts a paragraph (an
// empty line between). A line wraps at its last space when it grows wider than the
// box; a word with no space before it on its line breaks at the character that
// overflows, and a single character wider than the box stands alone on its line.
// Lines stop once the block is taller than the box.
TextLines BreakLines(const BitmapFont& font, const std::string& text, const TextStyle& style);

// Each character's share of the line's width in world units, for one line at
// `fontSize`: its advance and the kerning with the one before.
std::vector<float> Widths(const BitmapFont& font, const std::string& line, float fontSize);

// One quad per character with a visible glyph, lines placed by the alignment about
// the placement's position and turned with its rotation; offsets are mirrored with
// the sink's camera, so text under the screen camera reads top to bottom.
void Place(const BitmapFont& font, const TextLines& lines, const TextStyle& style, QuadSink& sink,
           const DrawPlacement& placement);

}  // namespace TextLayout
