#include "editor/undo/PrefabEditCommand.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "editor/EditorState.h"
#include "editor/level/CurrentLevel.h"
#include "editor/level/LevelObjectRecord.h"
#include "editor/level/LevelSession.h"
#include "editor/level/StoredProperties.h"
#include "prefabs/PrefabManager.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <utility>

namespace {

// Where the selected entry sits, to find it again once its prefab has been rebuilt.
struct EntryPlace {
    std::string Owner;
    std::size_t Index = 0;
};

EntryPlace PlaceOf(const AutoCreate* entry) {
    if (entry == nullptr || entry->Owner == nullptr) {
        return {};
    }
    const auto& entries = entry->Owner->AutoCreates;
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.get() == entry; });
    return {entry->Owner->Name, static_cast<std::size_t>(found - entries.begin())};
}

// The live objects made by the prefab's entries, with each entry's place: the entries
// are rebuilt on a restore, and the objects must keep knowing which one made them.
struct MadeByPlace {
    GameObject* Object = nullptr;
    std::size_t Index = 0;
};

void CollectMadeBy(GameObject& object, const Prefab& prefab, std::vector<MadeByPlace>& into) {
    if (const AutoCreate* entry = object.MadeBy.Get(); entry != nullptr && entry->Owner == &prefab) {
        into.push_back({&object, PlaceOf(entry).Index});
    }
    for (GameObject* child : object.Children()) {
        CollectMadeBy(*child, prefab, into);
    }
}

std::vector<MadeByPlace> ObjectsMadeBy(const Prefab& prefab) {
    std::vector<MadeByPlace> made;
    if (Engine::Root != nullptr) {
        CollectMadeBy(*Engine::Root, prefab, made);
    }
    return made;
}

// The prefab's file, read again, holds what saving it would write.
bool IsAsOnDisk(const Prefab& prefab, PrefabManager& manager) {
    if (!prefab.FileName.empty() && prefab.FileName != prefab.Name) {
        return false;
    }
    Prefab onDisk(manager, prefab.Name);
    try {
        onDisk.Load(manager.FileOf(prefab.Name));
    } catch (const std::exception&) {
        return false;  // missing or unreadable: a save writes it
    }
    return onDisk.Write() == prefab.Write();
}

std::vector<std::string> ComponentTypes(const boost::property_tree::ptree& tree) {
    std::vector<std::string> types;
    if (const auto components = tree.get_child_optional("Components")) {
        for (const auto& [type, values] : *components) types.push_back(type);
    }
    return types;
}

// A placed object of the prefab would be written otherwise (StoredProperties): which of
// its components count as added depends on those the prefab makes.
bool ChangesPlacedObjects(const std::string& prefabName, const std::vector<std::string>* before,
                          const std::vector<std::string>* after) {
    const GameObject* level = CurrentLevel();
    const Prefab* sources = Engine::Prefabs != nullptr ? Engine::Prefabs->Find(LevelSession::Sources) : nullptr;
    if (level == nullptr || sources == nullptr) {
        return false;
    }
    for (const GameObject* child : level->Children()) {
        const AutoCreate* source = child->PrefabName == prefabName ? FindSourceEntry(sources, prefabName) : nullptr;
        if (source != nullptr && ComponentOrigins(*source, *child, before) != ComponentOrigins(*source, *child, after)) {
            return true;
        }
    }
    return false;
}

}  // namespace

PrefabEditCommand::PrefabEditCommand(std::vector<std::string> names)
    : PrefabEditCommand(std::move(names), *Engine::Prefabs, Engine::EditorState) {}

PrefabEditCommand::PrefabEditCommand(std::vector<std::string> names, PrefabManager& manager, EditorState* state)
    : names_(std::move(names)), manager_(&manager), state_(state) {
    before_ = Record();
}

bool PrefabEditCommand::Finish(const std::vector<std::string>& created) {
    for (const std::string& name : created) {
        if (std::find(names_.begin(), names_.end(), name) == names_.end()) {
            names_.push_back(name);
            Stored absent;
            absent.Name = name;
            before_.push_back(std::move(absent));
        }
    }
    after_ = Record();
    MarkLevelWhenItsSaveChanges();
    for (std::size_t i = 0; i < before_.size(); ++i) {
        const Stored& a = before_[i];
        const Stored& b = after_[i];
        if (a.IsPresent != b.IsPresent || a.IsModified != b.IsModified || a.Tree != b.Tree) {
            return true;
        }
    }
    return false;
}

// What a level save writes depends on "Lvl_Sources" and on which components the
// placed objects' prefabs make (StoredProperties): a change of either is the level's.
void PrefabEditCommand::MarkLevelWhenItsSaveChanges() const {
    if (!marksLevel_) {
        return;
    }
    for (std::size_t i = 0; i < before_.size() && i < after_.size(); ++i) {
        const Stored& a = before_[i];
        const Stored& b = after_[i];
        const bool sources = a.Name == LevelSession::Sources && (a.IsPresent != b.IsPresent || a.Tree != b.Tree);
        const std::vector<std::string> typesBefore = ComponentTypes(a.Tree);
        const std::vector<std::string> typesAfter = ComponentTypes(b.Tree);
        if (sources || ChangesPlacedObjects(a.Name, a.IsPresent ? &typesBefore : nullptr,
                                            b.IsPresent ? &typesAfter : nullptr)) {
            MarkLevelModified();
            return;
        }
    }
}

std::vector<PrefabEditCommand::Stored> PrefabEditCommand::Record() const {
    std::vector<Stored> states;
    for (const std::string& name : names_) {
        Stored stored;
        stored.Name = name;
        if (const Prefab* prefab = manager_->Find(name)) {
            stored.IsPresent = true;
            stored.Tree = prefab->Write();
            stored.IsModified = prefab->IsModified;
        }
        states.push_back(std::move(stored));
    }
    return states;
}

void PrefabEditCommand::Undo() {
    Restore(before_);
    MarkLevelWhenItsSaveChanges();
}

void PrefabEditCommand::Redo() {
    Restore(after_);
    MarkLevelWhenItsSaveChanges();
}

void PrefabEditCommand::Restore(const std::vector<Stored>& states) {
    const std::string selected = state_ != nullptr && state_->SelectedPrefab != nullptr ? state_->SelectedPrefab->Name : "";
    const EntryPlace entry = PlaceOf(state_ != nullptr ? state_->SelectedAutoCreate : nullptr);
    // Names go before names come back, so a rename's two names never collide.
    for (const Stored& stored : states) {
        if (!stored.IsPresent) {
            manager_->Release(stored.Name);
        }
    }
    std::string cameBack;
    for (const Stored& stored : states) {
        if (stored.IsPresent) {
            if (manager_->Find(stored.Name) == nullptr && cameBack.empty()) {
                cameBack = stored.Name;
            }
            Put(stored);
        }
    }
    if (state_ == nullptr) {
        return;
    }
    // The selection follows a prefab that went away and came back under another name.
    Prefab* prefab = manager_->Find(selected);
    state_->SelectedPrefab = selected.empty() ? nullptr : (prefab != nullptr ? prefab : manager_->Find(cameBack));
    if (!entry.Owner.empty()) {
        const Prefab* owner = manager_->Find(entry.Owner);
        owner = owner != nullptr ? owner : manager_->Find(cameBack);
        const bool rebuilt = std::any_of(states.begin(), states.end(), [&](const Stored& s) { return s.Name == entry.Owner; });
        if (rebuilt) {
            state_->SelectedAutoCreate =
                owner != nullptr && entry.Index < owner->AutoCreates.size() ? owner->AutoCreates[entry.Index].get() : nullptr;
        }
    }
}

void PrefabEditCommand::Put(const Stored& stored) {
    Prefab* prefab = manager_->Find(stored.Name);
    if (prefab == nullptr) {
        prefab = manager_->Adopt(std::make_unique<Prefab>(*manager_, stored.Name));
        if (prefab->Name != stored.Name) {
            manager_->Rekey(*prefab, stored.Name);
        }
    }
    const std::vector<MadeByPlace> made = ObjectsMadeBy(*prefab);
    prefab->Components.clear();
    prefab->AutoCreates.clear();
    prefab->Read(stored.Tree);
    // Not the flag recorded: the prefab may have been saved since.
    prefab->IsModified = !IsAsOnDisk(*prefab, *manager_);
    for (const MadeByPlace& place : made) {
        place.Object->MadeBy.Reset(place.Index < prefab->AutoCreates.size() ? prefab->AutoCreates[place.Index].get() : nullptr);
    }
}
