#include "editor/palettes/EdPalObjectListBhv.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "editor/EditorState.h"
#include "editor/dialogs/EdDlgPickerBhv.h"
#include "editor/palettes/EdPaletteParts.h"
#include "editor/palettes/ObjectListActions.h"
#include "editor/widgets/EdListItemBhv.h"
#include "input/InputManager.h"

namespace Actions = ObjectListActions;

void EdPalObjectListBhv::Start() {
    EdListPaletteBhv::Start();
    HookParentItem();
    HookButtons();
}

void EdPalObjectListBhv::HookParentItem() {
    parentItem_ = EdPaletteParts::FindWidget<EdListItemBhv>(*Owner(), "ParentItem");
    if (parentItem_ == nullptr) {
        return;
    }
    parentItem_->OnLeftClick = [] { Actions::Select(Actions::ListedRoot()); };
    parentItem_->OnRightClick = [this] {
        Actions::Ascend();
        ScrollOffset = 0;
    };
}

void EdPalObjectListBhv::HookButtons() {
    const GameObject& palette = *Owner();
    EdPaletteParts::OnClick(palette, "BtnAdd", [this] { AddObject(); });
    EdPaletteParts::OnClick(palette, "BtnRemove", [] { Actions::RemoveSelected(); });
    EdPaletteParts::OnClick(palette, "BtnMoveUp", [] { Actions::MoveSelected(-1); });
    EdPaletteParts::OnClick(palette, "BtnMoveDown", [] { Actions::MoveSelected(+1); });
    EdPaletteParts::OnClick(palette, "BtnUpdatePrefab", [] { Actions::UpdatePrefabOfSelected(); });
    EdPaletteParts::OnClick(palette, "BtnReload", [] { Actions::ReloadSelected(); });
}

// The prefab picker chooses what to make ("(None)" a plain object); without one, a
// plain object is made at once.
void EdPalObjectListBhv::AddObject() {
    const EditorState* state = Engine::EditorState;
    if (auto* picker = dynamic_cast<EdDlgPickerBhv*>(state != nullptr ? state->PrefabPicker : nullptr)) {
        picker->Open([](const std::string& prefabName) { Actions::Add(prefabName); });
    } else {
        Actions::Add("");
    }
}

GameObject* EdPalObjectListBhv::ListedChild(std::size_t entry) {
    const GameObject* root = Actions::ListedRoot();
    return root != nullptr && entry < root->Children().size() ? root->Children()[entry] : nullptr;
}

std::size_t EdPalObjectListBhv::EntryCount() const {
    const GameObject* root = Actions::ListedRoot();
    return root != nullptr ? root->Children().size() : 0;
}

void EdPalObjectListBhv::FillRow(EdListItemBhv& row, std::size_t entry) {
    const GameObject* child = ListedChild(entry);
    row.Label = child != nullptr ? Actions::RowLabel(*child) : "";
    row.IsSelected = child != nullptr && child == Engine::EditorState->SelectedObject;
}

void EdPalObjectListBhv::OnRowLeftClick(std::size_t entry) {
    if (GameObject* child = ListedChild(entry)) {
        Actions::Select(child);
    }
}

void EdPalObjectListBhv::OnRowRightClick(std::size_t entry) {
    if (GameObject* child = ListedChild(entry)) {
        Actions::Descend(*child);
        ScrollOffset = 0;
    }
}

void EdPalObjectListBhv::Update() {
    if (Engine::EditorState == nullptr) {
        return;
    }
    EdListPaletteBhv::Update();
    FillParentItem();
}

void EdPalObjectListBhv::FillParentItem() const {
    if (parentItem_ == nullptr) {
        return;
    }
    const GameObject* root = Actions::ListedRoot();
    parentItem_->Label = root != nullptr ? Actions::RowLabel(*root) : "";
    parentItem_->IsSelected = root != nullptr && root == Engine::EditorState->SelectedObject;
}

// Only while the editor is open, this palette shown (its input runs only then) and no
// field holds the keyboard.
void EdPalObjectListBhv::HandleInput() {
    const InputManager* input = Engine::InputManager;
    const EditorState* state = Engine::EditorState;
    if (input == nullptr || state == nullptr || !state->IsActive || state->IsKeyboardCaptured ||
        state->SelectedObject == nullptr) {
        return;
    }
    const bool ctrl = input->IsKeyDown(KeyCtrl);
    const bool shift = input->IsKeyDown(KeyShift) || input->IsKeyDown(KeyRightShift);
    if (input->IsKeyPressed(KeyInsert) && !ctrl) {
        AddObject();
    } else if (ctrl && !shift && input->IsKeyPressed(KeyS)) {
        Actions::SaveSelected();
    } else if (ctrl && input->IsKeyPressed(KeyP)) {
        Actions::EditPrefabOfSelected();
    }
}
