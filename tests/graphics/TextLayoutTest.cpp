#include "core/DrawPlacement.h"
#include "graphics/BitmapFont.h"
#include "graphics/SpriteBatch.h"
#include "graphics/TextComponent.h"
#include "graphics/TextLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Lines = std::vector<std::string>;

// A 128 x 128 page with a 16-pixel line: at font size 1 a pixel is 1/16 world unit.
// Letters advance 16 pixels (one unit) and are 12 x 16 pixels drawn 2 pixels right of
// the pen; the space advances as much and draws nothing; "AV" kerns by -4 pixels.
void MakeFont(BitmapFont& font) {
    font.Name = "Tiny";
    font.Page.ColorImage = 1;
    font.LineHeight = 16.0f;
    font.NormalizedLineHeight = 0.125f;
    for (int c = 'A'; c <= 'z'; ++c) {
        font.Glyphs[c] = Glyph{c, 0.0f, 0.0f, 12 / 128.0f, 0.125f, 2 / 128.0f, 0.0f, 0.125f};
    }
    font.Glyphs[' '] = Glyph{' ', 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.125f};
    font.Kernings.emplace('A', std::make_pair('V', -4 / 128.0f));
}

struct QuadBounds {
    float left, right, bottom, top;
    // Where the top-left texel of the glyph lands.
    Vector2 textureTopLeft;
};

class TextLayoutTest : public ::testing::Test {
protected:
    TextLayoutTest() { MakeFont(font); }

    TextLines Break(const std::string& text) { return TextLayout::BreakLines(font, text, style); }

    // The text laid out through the real batch; one entry per quad, in order.
    std::vector<QuadBounds> Quads(const std::string& text, Vector2 position = {}) {
        batch.BeginBatch();
        DrawPlacement placement;
        placement.Position = position;
        TextLayout::Place(font, Break(text), style, batch, placement);
        std::vector<QuadBounds> quads;
        if (batch.GroupCount() == 0) {
            return quads;
        }
        const auto& v = batch.GroupVertices(0);
        for (std::size_t i = 0; i < v.size(); i += 4) {
            const auto [minX, maxX] = std::minmax({v[i].x, v[i + 1].x, v[i + 2].x, v[i + 3].x});
            const auto [minY, maxY] = std::minmax({v[i].y, v[i + 1].y, v[i + 2].y, v[i + 3].y});
            quads.push_back({minX, maxX, minY, maxY, {v[i].x, v[i].y}});
        }
        return quads;
    }

    BitmapFont font;
    TextStyle style;
    SpriteBatch batch;
};

TEST_F(TextLayoutTest, WrapsAtTheLastSpaceThatFitsAndDropsThatSpace) {
    EXPECT_EQ(Break("Hello world").Lines, Lines{"Hello world"});
    style.BoxSize = {5.0f, 0.0f};
    const TextLines wrapped = Break("Hello world");
    EXPECT_EQ(wrapped.Lines, (Lines{"Hello", "world"}));
    EXPECT_EQ(wrapped.Widths, (std::vector<float>{5.0f, 5.0f}));
    EXPECT_FLOAT_EQ(wrapped.Height, 2.0f);
    // A wrap at the very end, or before a new paragraph, adds no empty line.
    EXPECT_EQ(Break("Hello ").Lines, Lines{"Hello"});
    EXPECT_EQ(Break("Hello w\nB").Lines, (Lines{"Hello", "w", "", "B"}));
}

TEST_F(TextLayoutTest, WordsWiderThanTheBoxBreakAtTheOverflowAndTheRestFollows) {
    style.BoxSize = {3.0f, 0.0f};
    EXPECT_EQ(Break("Abcdefgh ij").Lines, (Lines{"Abc", "def", "gh", "ij"}));
    EXPECT_EQ(Break("ab cdefgh xy").Lines, (Lines{"ab", "cde", "fgh", "xy"}));
    const TextLines broken = Break("ab cdefgh xy");
    EXPECT_EQ(broken.Widths, (std::vector<float>{2.0f, 3.0f, 3.0f, 2.0f}));
    // A character wider than the box stands alone, and the text goes on.
    style.BoxSize = {0.5f, 0.0f};
    EXPECT_EQ(Break("ab c").Lines, (Lines{"a", "b", "c"}));
}

TEST_F(TextLayoutTest, BlankLineGapIsLineAndParagraphSpacing) {
    style = TextStyle{2.0f, 1.5f, 0.5f, {}, TextXAlignment::Left, TextYAlignment::Top};
    EXPECT_EQ(Break("A\nB").Lines, (Lines{"A", "", "B"}));
    const auto quads = Quads("A\nB");
    ASSERT_EQ(quads.size(), 2u);
    EXPECT_FLOAT_EQ(quads[0].top - quads[1].top, (1.5f + 0.5f) * 2.0f);
}

TEST_F(TextLayoutTest, BoxOneLineHighKeepsOnlyTheFirstLine) {
    style.BoxSize = {5.0f, 1.0f};
    EXPECT_EQ(Break("Hello world again").Lines, Lines{"Hello"});
    // Too low for even one line: nothing.
    style.BoxSize = {5.0f, 0.5f};
    EXPECT_TRUE(Break("Hello").Lines.empty());
}

TEST_F(TextLayoutTest, VerticalAlignmentHangsCentresOrStandsTheBlock) {
    style.BoxSize = {4.0f, 0.0f};
    const std::vector<std::pair<TextYAlignment, float>> cases = {
        {TextYAlignment::Top, 0.0f}, {TextYAlignment::Middle, 1.0f}, {TextYAlignment::Bottom, 2.0f}};
    for (const auto& [alignment, top] : cases) {
        style.AlignY = alignment;
        const auto quads = Quads("Hi yo", {10.0f, 20.0f});
        ASSERT_EQ(quads.size(), 4u);
        EXPECT_FLOAT_EQ(quads[0].top, 20.0f + top) << static_cast<int>(alignment);
        EXPECT_FLOAT_EQ(quads[3].bottom, 20.0f + top - 2.0f) << static_cast<int>(alignment);
    }
}

TEST_F(TextLayoutTest, TrailingSpacesShiftCentredAndRightAlignedText) {
    style.AlignX = TextXAlignment::Center;
    EXPECT_FLOAT_EQ(Quads("AB")[0].left, -1.0f + 0.125f);
    EXPECT_FLOAT_EQ(Quads("AB  ")[0].left, -2.0f + 0.125f);
    style.AlignX = TextXAlignment::Right;
    EXPECT_FLOAT_EQ(Quads("AB  ")[1].right, -3.0f + 0.125f + 0.75f);
}

TEST_F(TextLayoutTest, MissingGlyphsTakeNoRoomAndKerningPullsTheNextGlyph) {
    style.AlignX = TextXAlignment::Left;
    const std::size_t glyphs = font.Glyphs.size();
    for (const std::string text : {"A\x01V", "A\xe9V", "A\x7fV"}) {
        EXPECT_FLOAT_EQ(Break(text).Widths[0], 2.0f) << text;
        const auto quads = Quads(text);
        ASSERT_EQ(quads.size(), 2u) << "nothing drawn for the missing glyph";
        EXPECT_FLOAT_EQ(quads[1].left, 1.0f + 0.125f) << "no kerning across the missing glyph";
    }
    EXPECT_EQ(font.Glyphs.size(), glyphs);
    EXPECT_FLOAT_EQ(Break("AV").Widths[0], 1.75f);
    EXPECT_FLOAT_EQ(Quads("AV")[1].left, 1.0f - 0.25f + 0.125f);
    EXPECT_FLOAT_EQ(Quads("VA")[1].left, 1.0f + 0.125f);
}

TEST_F(TextLayoutTest, UnderTheScreenCameraLinesReadTopToBottomUpright) {
    batch.FlipY = true;
    style.AlignY = TextYAlignment::Top;
    style.FontSize = 20.0f;
    const auto quads = Quads("A\nB", {100.0f, 50.0f});
    ASSERT_EQ(quads.size(), 2u);
    // Screen y grows downwards: the block hangs below its position, B under A.
    EXPECT_FLOAT_EQ(quads[0].bottom, 50.0f);
    EXPECT_GT(quads[1].bottom, quads[0].top);
    // Each glyph's top texel is at its small-y edge, its first texel on the left.
    EXPECT_FLOAT_EQ(quads[0].textureTopLeft.y, quads[0].bottom);
    EXPECT_FLOAT_EQ(quads[0].textureTopLeft.x, quads[0].left);
    EXPECT_FLOAT_EQ(quads[0].left, 100.0f + 2.5f);
}

TEST_F(TextLayoutTest, ComponentWithoutFontOrPageDrawsNothing) {
    TextComponent text;
    text.Text = "Hi";
    DrawPlacement placement;
    text.SubmitQuads(batch, placement);
    text.Font = &font;
    font.Page.ColorImage = 0;
    text.SubmitQuads(batch, placement);
    EXPECT_EQ(batch.GroupCount(), 0u);
    font.Page.ColorImage = 1;
    text.SubmitQuads(batch, placement);
    ASSERT_EQ(batch.GroupCount(), 1u);
    EXPECT_EQ(batch.GroupVertices(0).size(), 8u);
}

}  // namespace

// Text is UTF-8: a letter of two bytes is one character, for glyphs, kerning and
// breaking alike.
TEST_F(TextLayoutTest, MultiByteLettersAreOneCharacterEach) {
    font.Glyphs[0xE9] = font.Glyphs['e'];
    font.Glyphs[0x150] = font.Glyphs['O'];
    font.Kernings.emplace('A', std::make_pair(0x150, -4 / 128.0f));
    const std::string e = "\xC3\xA9", o = "\xC5\x90";
    EXPECT_FLOAT_EQ(Break("A" + o).Widths[0], 1.75f) << "kerned by code point";
    EXPECT_EQ(Quads(e + e + o).size(), 3u);
    style.BoxSize = {2.0f, 0.0f};
    EXPECT_EQ(Break(e + o + e + " " + e).Lines, (Lines{e + o, e, e})) << "the word breaks between letters";
}
