#include "editor/tools/EdSpritePickerBhv.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "editor/EditorSlot.h"
#include "editor/EditorState.h"
#include "editor/level/LevelPicking.h"
#include "game/UiScreen.h"
#include "input/InputManager.h"

EdSpritePickerBhv::~EdSpritePickerBhv() {
    LeaveSlot(&EditorState::SpritePicker, this);
}

void EdSpritePickerBhv::Start() {
    EnterSlot(&EditorState::SpritePicker, this);
    Owner()->SetFlags(isOpen_, Owner()->UpdateEnabled, isOpen_);
}

void EdSpritePickerBhv::Open() {
    isOpen_ = true;
    Owner()->SetFlags(true, Owner()->UpdateEnabled, true);
    Owner()->UpdateEnabled = true;
    Engine::EditorState->IsSpritePicking = true;
    ApplyToolPause();
}

void EdSpritePickerBhv::Close() {
    isOpen_ = false;
    Owner()->SetFlags(false, Owner()->UpdateEnabled, false);
    Engine::EditorState->IsSpritePicking = false;
    ApplyToolPause();
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
