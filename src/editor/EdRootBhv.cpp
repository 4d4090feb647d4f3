#include "editor/EdRootBhv.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "editor/EditorState.h"
#include "editor/level/EdLevelEditorBhv.h"
#include "editor/tools/EdSpritePickerBhv.h"
#include "editor/widgets/IEdKeyboardHolder.h"
#include "editor/widgets/IEdScreenArea.h"
#include "editor/widgets/IEdUiElement.h"
#include "game/UiMenuRootBhv.h"
#include "game/UiScreen.h"
#include "graphics/TintComponent.h"
#include "input/InputManager.h"
#include "platform/PlayerDirectories.h"

#include <chrono>
#include <cmath>

namespace {

bool IsDrawnWithAncestors(const GameObject* object) {
    for (; object != nullptr; object = object->Parent()) {
        if (!object->DrawEnabled) {
            return false;
        }
    }
    return true;
}

void SetFlags(GameObject* object, bool input, bool update, bool draw) {
    if (object != nullptr) {
        object->SetFlags(input, update, draw);
    }
}

bool IsMenuUp() {
    return Engine::MenuRoot != nullptr && Engine::MenuRoot->IsMenuUp();
}

const IEdScreenArea* ScreenAreaOf(const GameObject& object) {
    for (Component* c : object.Components()) {
        if (const auto* area = dynamic_cast<const IEdScreenArea*>(c)) {
            return area;
        }
    }
    return nullptr;
}

bool HoldsKeyboard(const GameObject& object) {
    for (Component* c : object.Components()) {
        if (const auto* holder = dynamic_cast<const IEdKeyboardHolder*>(c); holder != nullptr && holder->HoldsKeyboard()) {
            return true;
        }
    }
    for (const GameObject* child : object.Children()) {
        if (HoldsKeyboard(*child)) {
            return true;
        }
    }
    return false;
}

bool AnyDialogDrawn(const GameObject* dialogs) {
    if (dialogs != nullptr) {
        for (const GameObject* dialog : dialogs->Children()) {
            if (dialog->DrawEnabled) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace


namespace {
// Recovery copies are the player's state; without a state directory none are kept.
std::filesystem::path RecoveryDirectory() {
    const std::filesystem::path state = PlayerDirectories::State();
    return state.empty() ? state : state / "Recovery";
}
}  // namespace

EdRootBhv::EdRootBhv() : guard_(RecoveryDirectory(), [this] { return LevelEditor(); }) {
    AddProperty("PaletteAlpha", PaletteAlpha);
}

EdRootBhv::~EdRootBhv() {
    if (Engine::EditorRoot == this) {
        Engine::EditorRoot = nullptr;
    }
    if (Engine::InputManager != nullptr) {
        Engine::InputManager->RemoveConsumer(this);
    }
}

void EdRootBhv::Start() {
    Engine::EditorRoot = this;
    if (Engine::InputManager != nullptr) {
        Engine::InputManager->AddConsumer(this);
    }
    if (const GameObject* palettes = FindChild("EdPalettesRoot"); palettes != nullptr && palettes->Tint() != nullptr) {
        PaletteAlpha = static_cast<float>(palettes->Tint()->Tint.a) / 255.0f;
    }
    ShowChildren(false);
    guard_.LookForRecovery();
}

EdLevelEditorBhv* EdRootBhv::LevelEditor() const {
    const GameObject* object = FindChild("EdLevelEditor");
    return object != nullptr ? object->GetComponent<EdLevelEditorBhv>() : nullptr;
}

void EdRootBhv::HandleInput() {
    const InputManager* input = Engine::InputManager;
    EditorState* state = Engine::EditorState;
    if (input == nullptr || state == nullptr || IsMenuUp()) {
        return;
    }
    if (input->IsKeyPressed(KeyF1) && !state->IsActive) {
        OpenForEditing();
    } else if (input->IsKeyPressed(KeyF11) && state->IsActive) {
        CloseEditor();
    } else if (input->IsKeyPressed(KeyF11)) {
        state->IsActive = true;
    }
    if (state->IsActive && input->IsKeyDown(KeyCtrl) && input->IsKeyPressed(KeyG)) {
        OpenSpritePicker();
    }
}

// One tool at a time, and never while a field or dialog holds the keys.
void EdRootBhv::OpenSpritePicker() {
    const EditorState& state = *Engine::EditorState;
    auto* picker = dynamic_cast<EdSpritePickerBhv*>(state.SpritePicker);
    if (picker != nullptr && !state.IsToolOpen() && !state.IsKeyboardCaptured) {
        picker->Open();
    }
}

void EdRootBhv::OpenForEditing() {
    EditorState& state = *Engine::EditorState;
    state.IsActive = true;
    state.PalettesShown = false;
    SetEditorPause(true);
    if (EdLevelEditorBhv* editor = LevelEditor()) {
        editor->OpenWorkingCopy();
    }
}

void EdRootBhv::Update() {
    const bool open = Engine::EditorState != nullptr && Engine::EditorState->IsActive;
    ShowChildren(open);
    if (open) {
        guard_.AnnounceRecovery();
    }
    // Wall time, not game time: a copy follows a change within seconds however slow
    // the frames are.
    guard_.Tick(std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count());
}

void EdRootBhv::ShowChildren(bool open) {
    GameObject* palettes = FindChild("EdPalettesRoot");
    if (!open) {
        // A question asked with the editor closed (about quitting) stays up.
        const bool asking = AnyDialogDrawn(FindChild("EdDialogsRoot"));
        SetFlags(palettes, false, false, false);
        SetFlags(FindChild("EdDialogsRoot"), asking, asking, asking);
        SetFlags(FindChild("EdLevelEditor"), false, false, false);
        return;
    }
    SetFlags(FindChild("EdDialogsRoot"), true, true, true);
    SetFlags(FindChild("EdLevelEditor"), true, true, true);
    const bool picking = Engine::EditorState->IsSpritePicking;
    SetFlags(palettes, !picking && !IsDialogShown(), !picking, true);
    if (palettes != nullptr && palettes->Tint() != nullptr) {
        palettes->Tint()->Tint.a = picking ? 76 : static_cast<std::uint8_t>(std::lround(PaletteAlpha * 255.0f));
    }
}

void EdRootBhv::Offer(const InputManager& input) {
    UpdatePointerOverEditor(input);
    UpdateKeyboardCapture();
}

// The open editor has the pointer wherever it is: clicks on the field place, pick
// and select.
bool EdRootBhv::TakesPointer() const {
    return Engine::EditorState != nullptr && Engine::EditorState->IsActive;
}

// The open editor's keys are its own (Esc ends a grab); a question may be up with
// the editor closed (about quitting), and the menus below leave the keys, and the
// mouse, to it.
bool EdRootBhv::TakesKeys() const {
    const EditorState* state = Engine::EditorState;
    return state != nullptr && (state->IsActive || state->IsKeyboardCaptured);
}

void EdRootBhv::UpdatePointerOverEditor(const InputManager& input) {
    EditorState* state = Engine::EditorState;
    if (state == nullptr) {
        return;
    }
    bool over = false;
    if (const GameObject* palettes = FindChild("EdPalettesRoot")) {
        for (const GameObject* palette : palettes->Children()) {
            const IEdScreenArea* area = ScreenAreaOf(*palette);
            over = over || (area != nullptr && IsDrawnWithAncestors(palette) && IEdUiElement::Contains(area->ScreenBounds(), input.Cursor));
        }
    }
    state->IsPointerOverEditor = over || IsDialogShown();
}

// A shown dialog is modal: the palettes take no input meanwhile.
bool EdRootBhv::IsDialogShown() const {
    const GameObject* dialogs = FindChild("EdDialogsRoot");
    return dialogs != nullptr && dialogs->DrawEnabled && AnyDialogDrawn(dialogs);
}

void EdRootBhv::UpdateKeyboardCapture() {
    if (Engine::EditorState != nullptr && Owner() != nullptr) {
        Engine::EditorState->IsKeyboardCaptured = HoldsKeyboard(*Owner());
    }
}
