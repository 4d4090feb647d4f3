#include "editor/prefabs/EntryOperations.h"

#include "core/Engine.h"
#include "editor/EditorState.h"
#include "editor/undo/EntryLinksCommand.h"
#include "editor/undo/PrefabEditCommand.h"
#include "prefabs/PrefabManager.h"

#include <algorithm>
#include <memory>

namespace {

std::size_t PlaceOf(const AutoCreate& entry) {
    const auto& entries = entry.Owner->AutoCreates;
    return static_cast<std::size_t>(
        std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.get() == &entry; }) - entries.begin());
}

}  // namespace

EntryOperations::EntryOperations() : EntryOperations(*Engine::Prefabs, *Engine::EditorState) {}

EntryOperations::EntryOperations(PrefabManager& prefabs, EditorState& state) : prefabs_(prefabs), state_(state) {}

void EntryOperations::Select(AutoCreate* entry) {
    state_.SelectedAutoCreate = entry;
    state_.SelectedObject = nullptr;
    state_.SelectedPrefab = nullptr;
}

template <class Change>
void EntryOperations::Recorded(Prefab& owner, Change&& change) {
    // Undo and redo rebuild the owner's entries: the links point each live object made
    // by one of them at the entry in its place again.
    auto links = std::make_unique<EntryLinksCommand>(std::vector<std::string>{owner.Name}, prefabs_, state_.History);
    auto command = std::make_unique<PrefabEditCommand>(std::vector<std::string>{owner.Name}, prefabs_, &state_);
    change();
    if (command->Finish()) {
        links->Finish(std::move(command));
        state_.History.Push(std::move(links));
    }
}

AutoCreate* EntryOperations::Add(Prefab& owner, const std::string& prefabName) {
    const Prefab* chosen = prefabs_.Find(prefabName);
    if (chosen == nullptr) {
        return nullptr;
    }
    auto entry = std::make_unique<AutoCreate>();
    entry->Owner = &owner;
    entry->PrefabName = prefabName;
    for (const auto& component : chosen->Components) {
        auto empty = std::make_unique<PrefabComponent>();
        empty->TypeName = component->TypeName;
        empty->TypeTag = component->TypeTag;
        entry->InstanceProperties.push_back(std::move(empty));
    }
    AutoCreate* added = entry.get();
    Recorded(owner, [&] {
        owner.AutoCreates.push_back(std::move(entry));
        owner.IsModified = true;
    });
    Select(added);
    return added;
}

void EntryOperations::Remove(AutoCreate& entry) {
    if (entry.Owner == nullptr) {
        return;
    }
    Prefab& owner = *entry.Owner;
    const std::size_t place = PlaceOf(entry);
    if (place >= owner.AutoCreates.size()) {
        return;
    }
    if (state_.SelectedAutoCreate == &entry) {
        state_.SelectedAutoCreate = nullptr;  // the command must not look for it once gone
    }
    Recorded(owner, [&] {
        owner.AutoCreates.erase(owner.AutoCreates.begin() + static_cast<std::ptrdiff_t>(place));
        owner.IsModified = true;
    });
    const auto& entries = owner.AutoCreates;
    Select(entries.empty() ? nullptr : entries[std::min(place, entries.size() - 1)].get());
}

AutoCreate* EntryOperations::Duplicate(AutoCreate& entry) {
    if (entry.Owner == nullptr) {
        return nullptr;
    }
    Prefab& owner = *entry.Owner;
    const std::size_t place = PlaceOf(entry);
    std::unique_ptr<AutoCreate> copy = entry.Clone();
    copy->Owner = &owner;
    AutoCreate* made = copy.get();
    Recorded(owner, [&] {
        owner.AutoCreates.insert(owner.AutoCreates.begin() + static_cast<std::ptrdiff_t>(place + 1), std::move(copy));
        owner.IsModified = true;
    });
    Select(made);
    return made;
}

void EntryOperations::Move(AutoCreate& entry, int offset) {
    if (entry.Owner != nullptr) {
        Recorded(*entry.Owner, [&] { entry.Move(offset); });
    }
}
