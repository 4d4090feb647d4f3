#include "editor/palettes/EdPaletteBhv.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "editor/palettes/EdPaletteParts.h"
#include "editor/widgets/EdTitleBarBhv.h"
#include "editor/widgets/IEdUiElement.h"
#include "input/InputManager.h"

#include <algorithm>

EdPaletteBhv::EdPaletteBhv() {
    AddProperty("TopLeft", TopLeft);
    AddProperty("Width", Width);
}

void EdPaletteBhv::Start() {
    if (GameObject* bar = FindChild("TitleBar")) {
        if (auto* title = bar->GetComponent<EdTitleBarBhv>()) {
            title->OnDrag = [this](Vector2 movement) { Drag(movement); };
        }
    }
    Layout();
}

void EdPaletteBhv::Update() { Layout(); }

void EdPaletteBhv::Layout() { height_ = Owner() != nullptr ? EdPaletteParts::StackRows(*Owner(), TopLeft, Width) : 0.0f; }

void EdPaletteBhv::Drag(Vector2 movement) {
    TopLeft = KeepPaletteOnScreen(TopLeft + movement, Width, EdPaletteParts::ScreenSize());
    Layout();
}

Rect EdPaletteBhv::ScreenBounds() const { return Rect(TopLeft.x, TopLeft.y, Width, height_); }

float EdPaletteBhv::LowestBottom() const {
    constexpr float gap = 10.0f;
    float lowest = EdPaletteParts::ScreenSize().y - gap;
    const GameObject* palettes = Owner() != nullptr ? Owner()->Parent() : nullptr;
    if (palettes == nullptr) {
        return lowest;
    }
    for (const GameObject* other : palettes->Children()) {
        const auto* below = other->DrawEnabled ? other->GetComponent<EdPaletteBhv>() : nullptr;
        const bool overlaps = below != nullptr && below != this && below->TopLeft.y > TopLeft.y &&
                              below->TopLeft.x < TopLeft.x + Width && TopLeft.x < below->TopLeft.x + below->Width;
        if (overlaps) {
            lowest = std::min(lowest, below->TopLeft.y - gap);
        }
    }
    return lowest;
}

int WheelNotchesFor(const GameObject& window) {
    const InputManager* input = Engine::InputManager;
    if (input == nullptr || input->WheelNotches == 0) {
        return 0;
    }
    for (const GameObject* object = &window; object != nullptr; object = object->Parent()) {
        if (!object->InputEnabled || !object->DrawEnabled) {
            return 0;
        }
    }
    const auto* palette = window.GetComponent<EdPaletteBhv>();
    const bool over = palette == nullptr || IEdUiElement::Contains(palette->ScreenBounds(), input->Cursor);
    return over ? input->WheelNotches : 0;
}
