#include "editor/widgets/IEdUiElement.h"

#include "core/Component.h"
#include "editor/widgets/EdWidgetParts.h"

void IEdUiElement::SetRect(float left, float top, float width, float height) {
    Bounds = Rect(left, top, width, height);
    GameObject* object = ElementObject();
    EdWidgetParts::CentreIn(object, Bounds);
    EdWidgetParts::SizeSprite(object, Vector2(width, height));
}

bool IEdUiElement::Contains(const Rect& rect, Vector2 point) {
    return rect.x <= point.x && point.x < rect.x + rect.width && rect.y <= point.y && point.y < rect.y + rect.height;
}

GameObject* IEdUiElement::ElementObject() const {
    // Widgets are behaviours too; the cast reaches the component half.
    const auto* component = dynamic_cast<const Component*>(this);
    return component != nullptr ? component->Owner() : nullptr;
}
