#include "editor/palettes/EdPaletteParts.h"

#include "core/Engine.h"
#include "editor/widgets/EdButtonBhv.h"
#include "editor/widgets/EdRowMultiContainerBhv.h"
#include "graphics/Graphics.h"

namespace EdPaletteParts {

GameObject* FindDescendant(const GameObject& root, const std::string& name) {
    for (GameObject* child : root.Children()) {
        if (child->Name == name) {
            return child;
        }
        if (GameObject* found = FindDescendant(*child, name)) {
            return found;
        }
    }
    return nullptr;
}

Vector2 ScreenSize() {
    return Engine::Graphics != nullptr
               ? Vector2(static_cast<float>(Engine::Graphics->Width), static_cast<float>(Engine::Graphics->Height))
               : Vector2(1280.0f, 720.0f);
}

float StackRows(const GameObject& window, Vector2 topLeft, float width) {
    float y = topLeft.y;
    for (GameObject* child : window.Children()) {
        IEdUiElement* element = FindUiElement(*child);
        if (element != nullptr && child->DrawEnabled) {
            element->SetRect(topLeft.x, y, width, element->Height);
            y += element->Height;
        }
    }
    return y - topLeft.y;
}

bool OnClick(const GameObject& root, const std::string& name, std::function<void()> onClick) {
    auto* button = FindWidget<EdButtonBhv>(root, name);
    if (button != nullptr) {
        button->OnClick = std::move(onClick);
    }
    return button != nullptr;
}

}  // namespace EdPaletteParts
