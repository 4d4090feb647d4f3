#include "editor/palettes/EdPalAutoCreateListBhv.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "core/KeyCode.h"
#include "editor/EditorMessage.h"
#include "editor/EditorSlot.h"
#include "editor/EditorState.h"
#include "editor/dialogs/EdDlgPickerBhv.h"
#include "editor/palettes/EdPaletteParts.h"
#include "editor/palettes/PaletteGates.h"
#include "editor/prefabs/EntryOperations.h"
#include "editor/widgets/EdListItemBhv.h"
#include "prefabs/PrefabManager.h"

Prefab* EdPalAutoCreateListBhv::ListedPrefab() {
    if (Engine::EditorState == nullptr || Engine::Prefabs == nullptr) {
        return nullptr;
    }
    return Engine::Prefabs->Find(Engine::EditorState->SelectedPrefabName);
}

void EdPalAutoCreateListBhv::Start() {
    EdListPaletteBhv::Start();
    if (Owner() == nullptr) {
        return;
    }
    const GameObject& palette = *Owner();
    EdPaletteParts::OnClick(palette, "BtnAdd", [this] { Add(); });
    EdPaletteParts::OnClick(palette, "BtnRemove", [this] { RemoveSelected(); });
    EdPaletteParts::OnClick(palette, "BtnDuplicate", [this] { DuplicateSelected(); });
    EdPaletteParts::OnClick(palette, "BtnMoveUp", [this] { MoveSelected(-1); });
    EdPaletteParts::OnClick(palette, "BtnMoveDown", [this] { MoveSelected(1); });
}

std::size_t EdPalAutoCreateListBhv::EntryCount() const {
    const Prefab* prefab = ListedPrefab();
    return prefab != nullptr ? prefab->AutoCreates.size() : 0;
}

void EdPalAutoCreateListBhv::FillRow(EdListItemBhv& row, std::size_t entry) {
    const AutoCreate& shown = *ListedPrefab()->AutoCreates[entry];
    row.Label = shown.Name + "  (" + shown.PrefabName + ")";
    row.IsSelected = Engine::EditorState->SelectedAutoCreate == &shown;
}

void EdPalAutoCreateListBhv::OnRowLeftClick(std::size_t entry) {
    Prefab* prefab = ListedPrefab();
    if (prefab == nullptr || entry >= prefab->AutoCreates.size()) {
        return;
    }
    EditorState& state = *Engine::EditorState;
    state.SelectedAutoCreate = prefab->AutoCreates[entry].get();
    state.SelectedObject = nullptr;
    state.SelectedPrefab = nullptr;
}

void EdPalAutoCreateListBhv::Add() {
    const Prefab* owner = ListedPrefab();
    if (owner == nullptr) {
        TellUser("Pick a prefab in the prefab list first");
        return;
    }
    auto* picker = InSlot<EdDlgPickerBhv>(&EditorState::PrefabPicker);
    if (picker == nullptr) {
        TellUser("No prefab picker to choose the new entry's prefab with");
        return;
    }
    // The entry goes to the prefab listed when the picker opened, whatever is picked
    // in the prefab list meanwhile.
    picker->Open([ownerName = owner->Name](const std::string& chosen) { AddChosen(ownerName, chosen); });
}

void EdPalAutoCreateListBhv::AddChosen(const std::string& ownerName, const std::string& prefabName) {
    Prefab* owner = Engine::Prefabs != nullptr ? Engine::Prefabs->Find(ownerName) : nullptr;
    if (owner != nullptr && !prefabName.empty()) {
        EntryOperations().Add(*owner, prefabName);
    }
}

void EdPalAutoCreateListBhv::RemoveSelected() {
    if (AutoCreate* entry = PickedTo("remove")) {
        EntryOperations().Remove(*entry);
    }
}

void EdPalAutoCreateListBhv::DuplicateSelected() {
    if (AutoCreate* entry = PickedTo("copy")) {
        EntryOperations().Duplicate(*entry);
    }
}

void EdPalAutoCreateListBhv::MoveSelected(int offset) {
    AutoCreate* entry = PickedTo("move");
    const Prefab* owner = entry != nullptr ? entry->Owner : nullptr;
    if (owner == nullptr) {
        return;
    }
    const bool atEnd = (offset < 0 ? owner->AutoCreates.front() : owner->AutoCreates.back()).get() == entry;
    if (atEnd) {
        TellUser(std::string("The entry is ") + (offset < 0 ? "first" : "last") + " already");
        return;
    }
    EntryOperations().Move(*entry, offset);
}

AutoCreate* EdPalAutoCreateListBhv::PickedTo(const std::string& action) {
    AutoCreate* entry = Engine::EditorState != nullptr ? Engine::EditorState->SelectedAutoCreate : nullptr;
    if (entry == nullptr) {
        TellUser("Pick an entry in the list to " + action + " it");
    }
    return entry;
}

void EdPalAutoCreateListBhv::HandleInput() {
    if (Owner() != nullptr && PaletteTakesKeys(*Owner()) && IsKeyJustPressed(KeyInsert) &&
        Engine::EditorState->SelectedAutoCreate != nullptr) {
        Add();
    }
}
