#include "editor/EdSpritePickerBhv.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "editor/EditorState.h"
#include "editor/LevelPicking.h"
#include "game/UiScreen.h"
#include "input/InputManager.h"

namespace {

void SetShown(GameObject* object, bool on) {
    object->InputEnabled = on;
    object->DrawEnabled = on;
}

}  // namespace

EdSpritePickerBhv::~EdSpritePickerBhv() {
    if (Engine::EditorState != nullptr && Engine::EditorState->SpritePicker == this) {
        Engine::EditorState->SpritePicker = nullptr;
    }
}

void EdSpritePickerBhv::Start() {
    if (Engine::EditorState != nullptr) {
        Engine::EditorState->SpritePicker = this;
    }
    SetShown(Owner(), isOpen_);
}

void EdSpritePickerBhv::Open() {
    isOpen_ = true;
    SetShown(Owner(), true);
    Owner()->UpdateEnabled = true;
    Engine::EditorState->IsSpritePicking = true;
    UiScreen::ApplyPause();
}

void EdSpritePickerBhv::Close() {
    isOpen_ = false;
    SetShown(Owner(), false);
    Engine::EditorState->IsSpritePicking = false;
    UiScreen::ApplyPause();
}

void EdSpritePickerBhv::HandleInput() {
    const InputManager* input = Engine::InputManager;
    if (!isOpen_ || input == nullptr) {
        return;
    }
    if (input->IsKeyPressed(KeyEsc) || !Engine::EditorState->IsActive) {
        Close();
    } else if (input->IsKeyPressed(KeyLeftMouse)) {
        Pick();
        Close();
    }
}

void EdSpritePickerBhv::Pick() {
    if (Engine::GameplayRoot == nullptr) {
        return;
    }
    const InputManager& input = *Engine::InputManager;
    GameObject* hit = LevelPicking::PickObjectAt(*Engine::GameplayRoot, input.CursorInWorld(), input.Cursor);
    if (hit != nullptr) {
        EditorState& state = *Engine::EditorState;
        state.SelectedObject = state.ListRoot = hit;
        state.SelectedPrefab = nullptr;
        state.SelectedAutoCreate = nullptr;
    }
}
