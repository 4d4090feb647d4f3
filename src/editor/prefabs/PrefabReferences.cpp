#include "editor/prefabs/PrefabReferences.h"

#include "core/GameObject.h"
#include "editor/level/EngineObjects.h"
#include "prefabs/PrefabManager.h"

#include <algorithm>

namespace PrefabReferences {

namespace {

template <class Visit>
void ForEachObject(GameObject& object, const Visit& visit) {
    if (visit(object)) {
        for (GameObject* child : object.Children()) {
            ForEachObject(*child, visit);
        }
    }
}

}  // namespace

std::vector<AutoCreate*> EntriesNaming(const PrefabManager& prefabs, const std::string& name) {
    std::vector<AutoCreate*> entries;
    for (const auto& [owner, prefab] : prefabs.Prefabs()) {
        for (const auto& entry : prefab->AutoCreates) {
            if (entry->PrefabName == name) {
                entries.push_back(entry.get());
            }
        }
    }
    return entries;
}

void RenameEntries(const PrefabManager& prefabs, const std::string& from, const std::string& to) {
    for (AutoCreate* entry : EntriesNaming(prefabs, from)) {
        entry->PrefabName = to;
        entry->Owner->IsModified = true;
    }
}

void RemoveEntries(const PrefabManager& prefabs, const std::string& name) {
    for (const auto& [owner, prefab] : prefabs.Prefabs()) {
        auto& entries = prefab->AutoCreates;
        const auto gone = std::remove_if(entries.begin(), entries.end(), [&](const auto& e) { return e->PrefabName == name; });
        if (gone != entries.end()) {
            entries.erase(gone, entries.end());
            prefab->IsModified = true;
        }
    }
}

void RenameObjects(GameObject& root, const std::string& from, const std::string& to) {
    ForEachObject(root, [&](GameObject& object) {
        if (object.PrefabName == from && !IsEngineObject(&object)) {
            // A name an entry gives stays, as the entry keeps it.
            const AutoCreate* entry = object.MadeBy.Get();
            if (object.Name == from && (entry == nullptr || entry->Name.empty())) {
                object.Name = to;
            }
            object.PrefabName = to;
        }
        return true;
    });
}

std::vector<GameObject*> ObjectsMadeBy(GameObject& root, const std::vector<AutoCreate*>& entries) {
    std::vector<GameObject*> made;
    ForEachObject(root, [&](GameObject& object) {
        const AutoCreate* entry = object.MadeBy.Get();
        if (entry == nullptr || std::find(entries.begin(), entries.end(), entry) == entries.end() ||
            IsEngineObject(&object)) {
            return true;
        }
        made.push_back(&object);
        return false;
    });
    return made;
}

std::string OwnersOf(const std::vector<AutoCreate*>& entries) {
    std::string text;
    for (std::size_t i = 0; i < entries.size();) {
        const Prefab* owner = entries[i]->Owner;
        std::size_t count = 0;
        for (; i < entries.size() && entries[i]->Owner == owner; ++i) ++count;
        text += (text.empty() ? "" : ", ") + owner->Name + (count > 1 ? " (" + std::to_string(count) + ")" : "");
    }
    return text;
}

}  // namespace PrefabReferences
