#include "game/TextMenuBhv.h"
#include "game/UiScreen.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "core/KeyCode.h"
#include "game/HudButtonBhv.h"
#include "graphics/Graphics.h"
#include "graphics/TintComponent.h"
#include "input/InputManager.h"

#include <algorithm>
#include <cstdint>

TextMenuBhv::TextMenuBhv() {
    AddProperty("InactiveAlpha", InactiveAlpha);
    AddProperty("ItemPrefab", ItemPrefab);
}

std::vector<GameObject*> TextMenuBhv::Items() const {
    std::vector<GameObject*> items;
    if (Owner() != nullptr) {
        for (GameObject* child : Owner()->Children()) {
            if (child->PrefabName == ItemPrefab) {
                items.push_back(child);
            }
        }
    }
    return items;
}

void TextMenuBhv::HandleInput() {
    const int count = static_cast<int>(Items().size());
    const InputManager& input = *Engine::InputManager;
    if (input.AreKeysTaken() || input.IsCapturing() || count == 0 || !Engine::Graphics->HasFocus) {
        return;
    }
    SelectedIndex = std::clamp(SelectedIndex, 0, count - 1);  // items may have gone
    if (input.IsActionTyped(ActionMoveUp)) {
        SelectedIndex = (SelectedIndex - 1 + count) % count;
    }
    if (input.IsActionTyped(ActionMoveDown)) {
        SelectedIndex = (SelectedIndex + 1) % count;
    }
    if (input.IsActionPressed(ActionMenuConfirm)) {
        Choose(SelectedIndex);
        return;
    }
    HandleMouse();
}

// The mouse: pointing at an item selects it, a click on it (pressed and released
// over the same item) confirms it.
void TextMenuBhv::HandleMouse() {
    const InputManager& input = *Engine::InputManager;
    const std::vector<GameObject*> items = Items();
    int under = -1;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (HudButtonBhv::Contains(*items[i], input.Cursor)) {
            under = static_cast<int>(i);
        }
    }
    if (under >= 0 && (input.Cursor.x != input.PreviousCursor.x || input.Cursor.y != input.PreviousCursor.y)) {
        SelectedIndex = under;
    }
    if (input.IsKeyPressed(KeyLeftMouse)) {
        pressedItem_ = under;
    }
    if (!input.IsKeyDown(KeyLeftMouse)) {
        if (pressedItem_ >= 0 && pressedItem_ == under) {
            Choose(under);
        }
        pressedItem_ = -1;
    }
}

void TextMenuBhv::Choose(int index) {
    const int count = static_cast<int>(Items().size());
    if (index < 0 || index >= count) {
        return;
    }
    SelectedIndex = index;
    if (OnSelect) {
        OnSelect(index);
    }
}

void TextMenuBhv::Update() {
    const std::vector<GameObject*> items = Items();
    const auto inactive = static_cast<std::uint8_t>(std::clamp(InactiveAlpha, 0.0f, 1.0f) * 255.0f);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (TintComponent* tint = items[i]->Tint()) {
            tint->Tint.a = static_cast<int>(i) == SelectedIndex ? 255 : inactive;
        }
    }
}
