#pragma once

#include "core/GameObject.h"

#include <functional>
#include <string>

// How palettes and dialogs reach their widgets: by object name anywhere below them,
// since buttons often sit side by side inside a row container.
namespace EdPaletteParts {

// The first object named `name` below `root` (depth first, in child order), or null.
GameObject* FindDescendant(const GameObject& root, const std::string& name);

// The widget behaviour W of the named descendant, or null.
template <class W>
W* FindWidget(const GameObject& root, const std::string& name) {
    GameObject* object = FindDescendant(root, name);
    return object != nullptr ? object->GetComponent<W>() : nullptr;
}

// Sets the click callback of the named button; false when there is no such button.
bool OnClick(const GameObject& root, const std::string& name, std::function<void()> onClick);

}  // namespace EdPaletteParts
