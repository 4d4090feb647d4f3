#include "graphics/TextLayout.h"

#include "core/DrawPlacement.h"
#include "core/QuadSink.h"
#include "core/Utf8.h"
#include "graphics/BitmapFont.h"

namespace {

// World units per normalised vertical unit, and per normalised horizontal unit.
struct Scale {
    float y;
    float x;
};

Scale ScaleOf(const BitmapFont& font, const TextStyle& style) {
    const float s = style.FontSize / font.NormalizedLineHeight;
    return {s, s * font.PageAspect};
}

// The last space of the current line that it could wrap at: one with characters
// before it.
struct WrapPoint {
    bool Valid = false;
    std::size_t TextIndex = 0;
    std::size_t LineLength = 0;
    float Width = 0.0f;
};

// Breaks one text into lines, one code point at a time. A wrap ends the current line
// but starts the next one only when a character comes for it, so a wrap at the end
// of the text or before a "\n" leaves no empty line.
class LineBreaker {
public:
    LineBreaker(const BitmapFont& font, const std::string& text, const TextStyle& style)
        : font_(font), text_(text), style_(style), scaleX_(ScaleOf(font, style).x) {
        AddLine(style.FontSize);
    }

    TextLines Run() {
        while (i_ < text_.size()) {
            if (text_[i_] == '\n') {
                AddLine(style_.ParagraphSpacing * style_.FontSize);
                AddLine(style_.FontSize);
                lineEnded_ = false;
                ++i_;
                continue;
            }
            if (lineEnded_) {
                AddLine(style_.LineSpacing * style_.FontSize);
                lineEnded_ = false;
            }
            if (style_.BoxSize.y > 0.0f && out_.Height > style_.BoxSize.y) {
                out_.Lines.pop_back();
                out_.Widths.pop_back();
                break;
            }
            Append();
        }
        return std::move(out_);
    }

private:
    void AddLine(float advance) {
        out_.Lines.emplace_back();
        out_.Widths.push_back(0.0f);
        out_.Height += advance;
        wrap_ = WrapPoint();
        previous_ = 0;
    }

    // The code point at i_; i_ moves past it once it has a place.
    void Append() {
        std::size_t next = i_;
        const char32_t c = Utf8::Decode(text_, next);
        std::string& line = out_.Lines.back();
        float& width = out_.Widths.back();
        if (c == ' ' && !line.empty()) {
            wrap_ = WrapPoint{true, i_, line.size(), width};
        }
        const float before = width;
        const std::size_t lengthBefore = line.size();
        const float kerning = line.empty() ? 0.0f : font_.Kerning(previous_, c);
        line.append(text_, i_, next - i_);
        previous_ = c;
        width += (font_.GlyphFor(c).XAdvance + kerning) * scaleX_;
        if (style_.BoxSize.x > 0.0f && width > style_.BoxSize.x) {
            Overflow(c, before, lengthBefore, next);
        } else {
            i_ = next;
        }
    }

    // The character just appended made the line wider than the box.
    void Overflow(char32_t c, float before, std::size_t lengthBefore, std::size_t next) {
        std::string& line = out_.Lines.back();
        float& width = out_.Widths.back();
        if (wrap_.Valid) {
            // The space and the part of the word after it go; the word starts the next line.
            line.resize(wrap_.LineLength);
            width = wrap_.Width;
            i_ = wrap_.TextIndex + 1;
        } else if (lengthBefore > 0) {
            // A word wider than the box: the overflowing character starts the next line.
            line.resize(lengthBefore);
            width = before;
        } else if (c == ' ') {
            // A space wider than the box would be a line of its own: it goes.
            line.resize(lengthBefore);
            width = before;
            i_ = next;
            return;
        } else {
            // A character wider than the box stands alone on its line.
            i_ = next;
        }
        lineEnded_ = true;
    }

    const BitmapFont& font_;
    const std::string& text_;
    const TextStyle& style_;
    const float scaleX_;
    TextLines out_;
    WrapPoint wrap_;
    std::size_t i_ = 0;
    char32_t previous_ = 0;  // the last code point on the line, for kerning
    bool lineEnded_ = false;
};

float StartY(TextYAlignment alignment, float height) {
    switch (alignment) {
        case TextYAlignment::Middle:
            return height / 2.0f;
        case TextYAlignment::Bottom:
            return height;
        default:
            return 0.0f;
    }
}

float StartX(TextXAlignment alignment, float width) {
    switch (alignment) {
        case TextXAlignment::Center:
            return -width / 2.0f;
        case TextXAlignment::Right:
            return -width;
        default:
            return 0.0f;
    }
}

}  // namespace

namespace TextLayout {

TextLines BreakLines(const BitmapFont& font, const std::string& text, const TextStyle& style) {
    return LineBreaker(font, text, style).Run();
}

std::vector<float> Widths(const BitmapFont& font, const std::string& line, float fontSize) {
    TextStyle style;
    style.FontSize = fontSize;
    const float scaleX = ScaleOf(font, style).x;
    std::vector<float> widths;
    char32_t previous = 0;
    for (std::size_t at = 0; at < line.size();) {
        const char32_t c = Utf8::Decode(line, at);
        const float kerning = previous != 0 ? font.Kerning(previous, c) : 0.0f;
        widths.push_back((font.GlyphFor(c).XAdvance + kerning) * scaleX);
        previous = c;
    }
    return widths;
}

void Place(const BitmapFont& font, const TextLines& lines, const TextStyle& style, QuadSink& sink,
           const DrawPlacement& placement) {
    const Scale scale = ScaleOf(font, style);
    const float fx = sink.MirrorsX() ? -1.0f : 1.0f;
    const float fy = sink.MirrorsY() ? -1.0f : 1.0f;
    float y = StartY(style.AlignY, lines.Height) * fy;
    for (std::size_t k = 0; k < lines.Lines.size(); ++k) {
        const std::string& line = lines.Lines[k];
        float pen = StartX(style.AlignX, lines.Widths[k]) * fx;
        char32_t previous = 0;
        for (std::size_t j = 0; j < line.size();) {
            const char32_t c = Utf8::Decode(line, j);
            const Glyph& g = font.GlyphFor(c);
            if (previous != 0) {
                pen += font.Kerning(previous, c) * scale.x * fx;
            }
            previous = c;
            const Vector2 size(g.Width * scale.x, g.Height * scale.y);
            if (size.x != 0.0f && size.y != 0.0f) {
                const Vector2 origin(-size.x / 2.0f * fx - pen - g.XOffset * scale.x * fx,
                                     size.y / 2.0f * fy - y + g.YOffset * scale.y * fy);
                sink.AddQuad(&font.Page, Rect(g.X, g.Y, g.Width, g.Height), placement.Rotation, placement.Colour,
                             size, origin, placement.Position);
            }
            pen += g.XAdvance * scale.x * fx;
        }
        const float spacing = lines.Widths[k] == 0.0f ? style.ParagraphSpacing : style.LineSpacing;
        y -= spacing * style.FontSize * fy;
    }
}

}  // namespace TextLayout
