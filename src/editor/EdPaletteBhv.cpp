#include "editor/EdPaletteBhv.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "editor/EdPaletteParts.h"
#include "editor/EdTitleBarBhv.h"
#include "graphics/Graphics.h"

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
    const Vector2 screen = Engine::Graphics != nullptr
                               ? Vector2(static_cast<float>(Engine::Graphics->Width), static_cast<float>(Engine::Graphics->Height))
                               : Vector2(1280.0f, 720.0f);
    TopLeft = KeepPaletteOnScreen(TopLeft + movement, Width, screen);
    Layout();
}

Rect EdPaletteBhv::ScreenBounds() const { return Rect(TopLeft.x, TopLeft.y, Width, height_); }
