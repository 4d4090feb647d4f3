#include "editor/widgets/EdWidgetParts.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "graphics/FontManager.h"
#include "graphics/Pos2dComponent.h"
#include "graphics/SpriteComponent.h"
#include "graphics/TextComponent.h"
#include "graphics/TintComponent.h"

#include <algorithm>

namespace EdWidgetParts {

namespace {
Vector2 CentreOf(const Rect& rect) { return Vector2(rect.x + rect.width * 0.5f, rect.y + rect.height * 0.5f); }
}  // namespace

void PlaceAt(GameObject* object, Vector2 position) {
    if (Pos2dComponent* pos = object != nullptr ? object->Pos2d() : nullptr) {
        pos->Pos = position;
    }
}

void CentreIn(GameObject* object, const Rect& rect) { PlaceAt(object, CentreOf(rect)); }

void SizeSprite(GameObject* object, Vector2 size) {
    if (SpriteComponent* sprite = object != nullptr ? object->Sprite() : nullptr) {
        sprite->Size = size;
    }
}

void SetText(GameObject* object, const std::string& text) {
    if (TextComponent* component = object != nullptr ? object->Text() : nullptr) {
        component->Text = text;
    }
}

std::string TextOf(const GameObject* object) {
    const TextComponent* component = object != nullptr ? object->Text() : nullptr;
    return component != nullptr ? component->Text : std::string();
}

void SetTint(GameObject* object, Color tint) {
    if (TintComponent* component = object != nullptr ? object->Tint() : nullptr) {
        component->Tint = tint;
    }
}

Color TintOf(const GameObject* object) {
    const TintComponent* component = object != nullptr ? object->Tint() : nullptr;
    return component != nullptr ? component->Tint : White;
}

void LayOutBackground(GameObject* background, const Rect& rect, bool pressed) {
    CentreIn(background, rect);
    const float sign = pressed ? -1.0f : 1.0f;
    SizeSprite(background, Vector2(rect.width * sign, rect.height * sign));
}

void LayOutTitle(GameObject* text, const Rect& rect, const std::string& title, Color colour) {
    CentreIn(text, rect);
    SetText(text, title);
    SetTint(text, colour);
}

void FitToWidth(GameObject* object, float width) {
    constexpr float smallSize = 12.0f;
    TextComponent* text = object != nullptr ? object->Text() : nullptr;
    if (text == nullptr || text->Font == nullptr || text->FontSize <= smallSize || Engine::Fonts == nullptr) {
        return;
    }
    TextStyle style = text->Style();
    style.BoxSize = Vector2();
    const std::vector<float> widths = TextLayout::BreakLines(*text->Font, text->Text, style).Widths;
    if (widths.empty() || *std::max_element(widths.begin(), widths.end()) <= width) {
        return;
    }
    if (BitmapFont* small = Engine::Fonts->GetFont("DejaVuSans12")) {
        text->Font = small;
        text->FontSize = smallSize;
    }
}

}  // namespace EdWidgetParts
