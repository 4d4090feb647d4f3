#pragma once

#include "core/DrawableComponent.h"
#include "core/IEditable.h"
#include "core/TextXAlignment.h"
#include "core/TextYAlignment.h"
#include "core/Vector2.h"
#include "graphics/TextLayout.h"

#include <string>

class BitmapFont;

// A text drawn in a bitmap font on one layer (Layer, from DrawableComponent): laid
// out in its box about the owner's position, one quad per visible character.
class TextComponent : public DrawableComponent, public IEditable {
public:
    TextComponent();

    // "\n" starts a new paragraph.
    std::string Text = "WriteMe";
    // Not owned; saved as the font's name and found again through the font manager.
    BitmapFont* Font = nullptr;
    // The height of one line in world units.
    float FontSize = 1.0f;
    // The advance after a line with characters, and after an empty one, in font sizes.
    float LineSpacing = 1.0f;
    float ParagraphSpacing = 0.75f;
    // Wrap width and maximum height in world units; 0 = unlimited.
    Vector2 BoxSize;
    TextXAlignment AlignmentX = TextXAlignment::Left;
    TextYAlignment AlignmentY = TextYAlignment::Middle;

    TextStyle Style() const;

    // Nothing without a font, or for a font whose page did not load.
    void SubmitQuads(QuadSink& sink, const DrawPlacement& placement) const override;
};
