#pragma once

#include "core/Behavior.h"

#include <functional>
#include <string>
#include <vector>

// A keyboard menu over its children made from the prefab ItemPrefab: Up and
// Down ("MoveUp", "MoveDown", auto-repeating) move the selection round the list,
// "MenuConfirm" calls OnSelect with it; the mouse points and clicks at the items'
// sprites. The selected item is drawn opaque, the others at "InactiveAlpha". Items
// are looked up each frame, never held. The menu keeps still while a key is being
// captured for a new binding.
class TextMenuBhv : public Behavior {
public:
    TextMenuBhv();

    void HandleInput() override;
    void Update() override;

    std::vector<GameObject*> Items() const;
    // Selects `index` and confirms it, as Enter would (the mouse's way in).
    void Choose(int index);

    float InactiveAlpha = 0.5f;
    std::string ItemPrefab = "UiTextMenuItem";
    int SelectedIndex = 0;
    std::function<void(int)> OnSelect;

private:
    void HandleMouse();

    int pressedItem_ = -1;
};
