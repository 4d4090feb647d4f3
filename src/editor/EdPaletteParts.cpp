#include "editor/EdPaletteParts.h"

#include "editor/EdButtonBhv.h"

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

bool OnClick(const GameObject& root, const std::string& name, std::function<void()> onClick) {
    auto* button = FindWidget<EdButtonBhv>(root, name);
    if (button != nullptr) {
        button->OnClick = std::move(onClick);
    }
    return button != nullptr;
}

}  // namespace EdPaletteParts
