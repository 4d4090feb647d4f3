#include "editor/palettes/EdPalPrefabListBhv.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "core/KeyCode.h"
#include "editor/EditorMessage.h"
#include "editor/EditorState.h"
#include "editor/palettes/EdPaletteParts.h"
#include "editor/palettes/NameFilter.h"
#include "editor/palettes/PaletteGates.h"
#include "editor/prefabs/PrefabOperations.h"
#include "editor/undo/UpdateInstancesCommand.h"
#include "editor/widgets/EdButtonBhv.h"
#include "editor/widgets/EdFieldBhv.h"
#include "editor/widgets/EdListItemBhv.h"
#include "editor/widgets/EdPropertyRowBhv.h"
#include "prefabs/PrefabManager.h"


namespace {

Prefab* PrefabNamed(const std::string& name) {
    return Engine::Prefabs != nullptr ? Engine::Prefabs->Find(name) : nullptr;
}

// The prefab picked in the list, or null after saying that none is.
Prefab* PickedTo(const std::string& action) {
    Prefab* prefab = Engine::EditorState != nullptr ? PrefabNamed(Engine::EditorState->SelectedPrefabName) : nullptr;
    if (prefab == nullptr) {
        TellUser("Pick a prefab in the list to " + action + " it");
    }
    return prefab;
}

}  // namespace

void EdPalPrefabListBhv::Start() {
    EdListPaletteBhv::Start();
    if (Owner() == nullptr) {
        return;
    }
    if (auto* filterRow = EdPaletteParts::FindWidget<EdPropertyRowBhv>(*Owner(), "FilterRow")) {
        filterField_ = filterRow->ValueField();
        // The row shows its ValueText whenever the field is not being edited.
        filterRow->SetOnCommit([filterRow](const std::string& text) { filterRow->ValueText = text; });
    }
    saveCurrent_ = EdPaletteParts::FindWidget<EdButtonBhv>(*Owner(), "BtnSaveCurrent");
    HookButtons();
}

void EdPalPrefabListBhv::HookButtons() {
    const GameObject& palette = *Owner();
    EdPaletteParts::OnClick(palette, "BtnAdd", [this] { Add(); });
    EdPaletteParts::OnClick(palette, "BtnRemove", [this] { RemoveSelected(); });
    EdPaletteParts::OnClick(palette, "BtnDuplicate", [this] { DuplicateEdited(); });
    EdPaletteParts::OnClick(palette, "BtnSaveCurrent", [this] { SaveCurrent(); });
    EdPaletteParts::OnClick(palette, "BtnSaveAll", [this] { SaveAll(); });
    EdPaletteParts::OnClick(palette, "BtnUpdateAll", [this] { UpdateAll(); });
    EdPaletteParts::OnClick(palette, "BtnRevert", [this] { RevertSelected(); });
    EdPaletteParts::OnClick(palette, "BtnRevertShipped", [this] { RevertSelectedToShipped(); });
}

void EdPalPrefabListBhv::Update() {
    FollowFilter();
    ListPrefabs();
    if (saveCurrent_ != nullptr) {
        saveCurrent_->IsGrayedOut = !CanSaveCurrent();
    }
    EdListPaletteBhv::Update();
}

void EdPalPrefabListBhv::FollowFilter() {
    if (filterField_ != nullptr && filterField_->Text != Filter) {
        Filter = filterField_->Text;
        ScrollOffset = 0;
    }
}

void EdPalPrefabListBhv::ListPrefabs() {
    listed_.clear();
    if (Engine::Prefabs == nullptr) {
        return;
    }
    for (const auto& [name, prefab] : Engine::Prefabs->Prefabs()) {
        if (MatchesFilter(name, Filter)) {
            listed_.push_back(name);
        }
    }
}

void EdPalPrefabListBhv::FillRow(EdListItemBhv& row, std::size_t entry) {
    const std::string& name = listed_[entry];
    row.Label = name;
    const EditorState* state = Engine::EditorState;
    if (state != nullptr) {
        row.IsHighlighted = name == state->SelectedPrefabName;
        row.IsSelected = state->SelectedPrefab != nullptr && state->SelectedPrefab->Name == name;
    }
}

void EdPalPrefabListBhv::OnRowLeftClick(std::size_t entry) {
    EditorState* state = Engine::EditorState;
    if (state == nullptr || entry >= listed_.size()) {
        return;
    }
    state->SelectedPrefab = PrefabNamed(listed_[entry]);
    state->SelectedPrefabName = listed_[entry];
    state->SelectedObject = nullptr;
    state->SelectedAutoCreate = nullptr;
}

bool EdPalPrefabListBhv::CanSaveCurrent() {
    const Prefab* prefab = Engine::EditorState != nullptr ? PrefabNamed(Engine::EditorState->SelectedPrefabName) : nullptr;
    return prefab != nullptr && prefab->IsModified;
}

void EdPalPrefabListBhv::Add() {
    PrefabOperations().Create();
    StopCoroutine(&EdPalPrefabListBhv::FocusNameRow);
    StartCoroutine(&EdPalPrefabListBhv::FocusNameRow);
}

CoCommand EdPalPrefabListBhv::FocusNameRow(int resumePoint) {
    COROUTINE_IDENTITY(resumePoint);
    switch (resumePoint) {
        case 0: return CoCommand::WaitFrames(1);
        default: {
            // The edit palette is another palette's; without one there is nothing to focus.
            const Behavior* editPalette = Engine::EditorState != nullptr ? Engine::EditorState->ObjectEditPalette : nullptr;
            GameObject* nameRow = editPalette != nullptr && editPalette->Owner() != nullptr
                                      ? EdPaletteParts::FindDescendant(*editPalette->Owner(), "NameProperty")
                                      : nullptr;
            if (auto* field = nameRow != nullptr ? EdPaletteParts::FindWidget<EdFieldBhv>(*nameRow, "Value") : nullptr) {
                field->StartEditing(true);
            }
            return CoCommand::Stop();
        }
    }
}

void EdPalPrefabListBhv::RemoveSelected() {
    if (const Prefab* prefab = PickedTo("remove")) {
        PrefabOperations().Remove(prefab->Name);
    }
}

void EdPalPrefabListBhv::DuplicateEdited() {
    if (Engine::EditorState != nullptr && Engine::EditorState->SelectedPrefab != nullptr) {
        PrefabOperations().Duplicate(*Engine::EditorState->SelectedPrefab);
    } else {
        TellUser("Pick a prefab in the list to copy it");
    }
}

void EdPalPrefabListBhv::RevertSelected() {
    if (Prefab* prefab = PickedTo("revert")) {
        PrefabOperations().Revert(*prefab);
    }
}

void EdPalPrefabListBhv::RevertSelectedToShipped() {
    if (Prefab* prefab = PickedTo("revert")) {
        PrefabOperations().RevertToShipped(*prefab);
    }
}

void EdPalPrefabListBhv::SaveCurrent() {
    Prefab* prefab = PickedTo("save");
    if (prefab != nullptr && !prefab->IsModified) {
        TellUser("Nothing to save: " + prefab->Name + " has no unsaved changes");
    } else if (prefab != nullptr) {
        PrefabOperations().Save(*prefab);
    }
}

void EdPalPrefabListBhv::SaveAll() {
    PrefabOperations().SaveAll();
}

void EdPalPrefabListBhv::UpdateAll() {
    const Prefab* prefab = Engine::EditorState != nullptr ? Engine::EditorState->SelectedPrefab : nullptr;
    if (prefab == nullptr || Engine::Root == nullptr) {
        TellUser("Pick a prefab in the list to update its instances");
        return;
    }
    auto command = std::make_unique<UpdateInstancesCommand>(prefab->Name, *Engine::Root, Engine::EditorState->History);
    if (command->Apply()) {
        Engine::EditorState->History.Push(std::move(command));
    } else {
        TellUser("No instance of " + prefab->Name + " to update");
    }
}

void EdPalPrefabListBhv::HandleInput() {
    if (Owner() == nullptr || !PaletteTakesKeys(*Owner())) {
        return;
    }
    const bool ctrl = IsKeyHeld(KeyCtrl);
    const bool shift = IsKeyHeld(KeyShift);
    const EditorState& state = *Engine::EditorState;
    if (ctrl && shift && IsKeyJustPressed(KeyS)) {
        SaveAll();
    } else if (ctrl && !shift && IsKeyJustPressed(KeyS) && state.SelectedObject == nullptr) {
        SaveCurrent();
    } else if (IsKeyJustPressed(KeyInsert) && state.SelectedPrefab != nullptr) {
        Add();
    }
}
