#include "editor/widgets/EdButtonBhv.h"

#include "core/Engine.h"
#include "core/KeyCode.h"
#include "editor/widgets/EdWidgetParts.h"
#include "input/InputManager.h"

EdButtonBhv::EdButtonBhv() {
    AddProperty("Title", Title);
    AddProperty("Height", Height);
    AddProperty("IsGrayedOut", IsGrayedOut);
}

void EdButtonBhv::Start() {
    background_ = FindChild("Background");
    text_ = FindChild("Text");
}

void EdButtonBhv::HandleInput() {
    const InputManager& input = *Engine::InputManager;
    const bool inside = Contains(input.Cursor);
    if (input.IsKeyPressed(KeyLeftMouse) && inside) {
        IsPressed = true;
    }
    const bool held = input.IsKeyDown(KeyLeftMouse);
    if (IsPressed && !held && inside && OnClick) {
        OnClick();
    }
    if (!held) {
        IsPressed = false;
    }
    RefreshBackground(inside);
}

void EdButtonBhv::SetRect(float left, float top, float width, float height) {
    Bounds = Rect(left, top, width, height);
    using namespace EdWidgetParts;
    LayOutTitle(text_, Bounds, Title, IsGrayedOut ? Gray : White);
    LayOutBackground(background_, Bounds, false);
}

void EdButtonBhv::RefreshBackground(bool mouseInside) {
    EdWidgetParts::LayOutBackground(background_, Bounds, IsPressed && mouseInside);
}
