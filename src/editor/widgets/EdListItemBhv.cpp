#include "editor/widgets/EdListItemBhv.h"

#include "core/Engine.h"
#include "core/KeyCode.h"
#include "editor/widgets/EdWidgetParts.h"
#include "input/InputManager.h"

EdListItemBhv::EdListItemBhv() {
    AddProperty("Label", Label);
    AddProperty("Margin", Margin);
    AddProperty("Height", Height);
}

void EdListItemBhv::Start() {
    background_ = FindChild("Background");
    text_ = FindChild("Text");
    normalTint_ = EdWidgetParts::TintOf(background_);
}

void EdListItemBhv::HandleInput() {
    const InputManager& input = *Engine::InputManager;
    if (!Contains(input.Cursor)) {
        return;
    }
    if (input.IsKeyPressed(KeyLeftMouse) && OnLeftClick) {
        OnLeftClick();
    }
    if (input.IsKeyPressed(KeyRightMouse) && OnRightClick) {
        OnRightClick();
    }
}

void EdListItemBhv::SetRect(float left, float top, float width, float height) {
    using namespace EdWidgetParts;
    Bounds = Rect(left, top, width, height);
    LayOutBackground(background_, Bounds, false);
    SetTint(background_, IsSelected || IsHighlighted ? Highlight : normalTint_);
    PlaceAt(text_, Vector2(left + Margin, top + height * 0.5f));
    SetText(text_, IsSelected ? Label + "   <--" : Label);
}
