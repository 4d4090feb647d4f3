#include "graphics/TextComponent.h"

#include "graphics/BitmapFont.h"

TextComponent::TextComponent() : DrawableComponent(DrawSlot::Text) {
    AddProperty("AlignmentX", AlignmentX);
    AddProperty("AlignmentY", AlignmentY);
    AddProperty("BoxSize", BoxSize);
    AddProperty("FontSize", FontSize);
    AddProperty("Font", Font);
    AddProperty("Layer", Layer);
    AddProperty("LineSpacing", LineSpacing);
    AddProperty("ParagraphSpacing", ParagraphSpacing);
    AddProperty("Text", Text);
}

TextStyle TextComponent::Style() const {
    return TextStyle{FontSize, LineSpacing, ParagraphSpacing, BoxSize, AlignmentX, AlignmentY};
}

void TextComponent::SubmitQuads(QuadSink& sink, const DrawPlacement& placement) const {
    if (Font == nullptr || !Font->CanDraw()) {
        return;
    }
    const TextStyle style = Style();
    TextLayout::Place(*Font, TextLayout::BreakLines(*Font, Text, style), style, sink, placement);
}
