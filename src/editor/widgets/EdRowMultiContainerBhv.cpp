#include "editor/widgets/EdRowMultiContainerBhv.h"

#include "core/GameObject.h"

#include <vector>

IEdUiElement* FindUiElement(const GameObject& object) {
    for (Component* component : object.Components()) {
        if (auto* element = dynamic_cast<IEdUiElement*>(component)) {
            return element;
        }
    }
    return nullptr;
}

void EdRowMultiContainerBhv::SetRect(float left, float top, float width, float height) {
    Bounds = Rect(left, top, width, height);
    std::vector<IEdUiElement*> elements;
    if (Owner() != nullptr) {
        for (const GameObject* child : Owner()->Children()) {
            IEdUiElement* element = child->DrawEnabled ? FindUiElement(*child) : nullptr;
            if (element != nullptr) {
                elements.push_back(element);
            }
        }
    }
    if (elements.empty()) {
        return;
    }
    const int each = static_cast<int>(width) / static_cast<int>(elements.size());
    for (std::size_t i = 0; i < elements.size(); ++i) {
        elements[i]->SetRect(left + static_cast<float>(i) * each, top, static_cast<float>(each), height);
    }
}
