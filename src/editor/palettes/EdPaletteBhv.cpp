#include "editor/palettes/EdPaletteBhv.h"

#include "core/GameObject.h"
#include "editor/palettes/EdPaletteParts.h"
#include "editor/widgets/EdTitleBarBhv.h"

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
