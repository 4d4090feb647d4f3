#include "editor/widgets/EdToggleBhv.h"

#include "core/Engine.h"
#include "core/KeyCode.h"
#include "editor/widgets/EdWidgetParts.h"
#include "input/InputManager.h"

EdToggleBhv::EdToggleBhv() {
    AddProperty("Title", Title);
    AddProperty("Height", Height);
    AddProperty("Value", Value);
}

void EdToggleBhv::Start() {
    background_ = FindChild("Background");
    text_ = FindChild("Text");
    backgroundTint_ = EdWidgetParts::TintOf(background_);
}

void EdToggleBhv::HandleInput() {
    const InputManager& input = *Engine::InputManager;
    if (input.IsKeyPressed(KeyLeftMouse) && Contains(input.Cursor)) {
        Value = !Value;
        if (OnChanged) {
            OnChanged(Value);
        }
    }
}

void EdToggleBhv::Update() {
    using namespace EdWidgetParts;
    LayOutTitle(text_, Bounds, Title, White);
    SetTint(background_, Value ? Highlight : backgroundTint_);
    LayOutBackground(background_, Bounds, Value);
}
