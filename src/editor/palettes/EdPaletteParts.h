#pragma once

#include "core/GameObject.h"
#include "core/Vector2.h"

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

// The frame's size in pixels, the editor's screen (1280 x 720 without graphics).
Vector2 ScreenSize();

// Stacks the draw-enabled children of `window` that are widgets, in child order, from
// topLeft down, each `width` wide and as high as it asks; returns the total height.
float StackRows(const GameObject& window, Vector2 topLeft, float width);

// Sets the click callback of the named button; false when there is no such button.
bool OnClick(const GameObject& root, const std::string& name, std::function<void()> onClick);

}  // namespace EdPaletteParts
