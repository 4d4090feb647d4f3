#pragma once

#include "core/Color.h"
#include "core/Rect.h"
#include "core/Vector2.h"

#include <cstdint>
#include <string>

class GameObject;

// What the widgets do to their child objects ("Background", "Text", "Box"): place,
// size, colour and fill them. Every helper does nothing for a null object or a
// missing component, so a widget built without one of its parts still runs.
namespace EdWidgetParts {

// 0xAARRGGBB as the widget colours are written.
constexpr Color FromArgb(std::uint32_t argb) {
    return Color(static_cast<std::uint8_t>(argb >> 16), static_cast<std::uint8_t>(argb >> 8),
                 static_cast<std::uint8_t>(argb), static_cast<std::uint8_t>(argb >> 24));
}

inline constexpr Color White = FromArgb(0xFFFFFFFF);
inline constexpr Color Black = FromArgb(0xFF000000);
// Text on the widgets' dark backgrounds: white, or light gray for what is grayed out,
// both at least 4.5 : 1 against them; the highlight of a chosen row or toggle.
inline constexpr Color Gray = FromArgb(0xFFC4C4C4);
inline constexpr Color Highlight = FromArgb(0xFF8C4733);

void PlaceAt(GameObject* object, Vector2 position);
void CentreIn(GameObject* object, const Rect& rect);
void SizeSprite(GameObject* object, Vector2 size);
void SetText(GameObject* object, const std::string& text);
// The text component's string, or "" without one.
std::string TextOf(const GameObject* object);
void SetTint(GameObject* object, Color tint);
// White without a tint component.
Color TintOf(const GameObject* object);

// A background centred in the rectangle; drawn mirrored on both axes when pressed.
void LayOutBackground(GameObject* background, const Rect& rect, bool pressed);
// A title centred in the rectangle.
void LayOutTitle(GameObject* text, const Rect& rect, const std::string& title, Color colour);
// Sets the text in the small font ("DejaVuSans12") when its widest line is wider than
// `width` in its own font, so a long label keeps clear of the row's edges.
void FitToWidth(GameObject* text, float width);

}  // namespace EdWidgetParts
