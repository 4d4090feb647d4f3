#include "editor/level/LevelStore.h"

#include "core/GameObject.h"
#include "core/SubProperty.h"
#include "editor/level/LevelObjectRecord.h"
#include "editor/level/StoredProperties.h"
#include "prefabs/PrefabManager.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// The stored "SortOrder" of the prefab's "LevelBhv", if any.
std::optional<int> StoredSortOrder(const Prefab& prefab) {
    for (const auto& component : prefab.Components) {
        if (component->TypeName != "LevelBhv") {
            continue;
        }
        if (const PropertyRegistration* order = component->FindProperty("SortOrder")) {
            try {
                return std::stoi(order->GetSubProperty("SortOrder", 0).ToText());
            } catch (const std::exception&) {
                return std::nullopt;
            }
        }
    }
    return std::nullopt;
}

}  // namespace

std::vector<std::string> LevelStore::ListLevels(const PrefabManager& prefabs) {
    std::vector<std::pair<int, std::string>> levels;
    for (const auto& [name, prefab] : prefabs.Prefabs()) {
        if (name.rfind("Lvl_", 0) != 0) {
            continue;
        }
        if (const std::optional<int> order = StoredSortOrder(*prefab); order && *order != 0) {
            levels.emplace_back(*order, name);
        }
    }
    std::stable_sort(levels.begin(), levels.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> names;
    for (auto& level : levels) {
        names.push_back(std::move(level.second));
    }
    return names;
}

std::vector<std::string> LevelStore::UnlistedObjects(const GameObject& level, const Prefab* sources) {
    std::vector<std::string> names;
    for (const GameObject* child : level.Children()) {
        if (FindSourceEntry(sources, child->PrefabName) == nullptr) {
            names.push_back(child->Name.empty() ? "(unnamed)" : child->Name);
        }
    }
    return names;
}

void LevelStore::SaveLevelAs(PrefabManager& prefabs, const std::string& name, GameObject& level,
                             const Prefab& sources) {
    Prefab* prefab = prefabs.Find(name);
    if (prefab == nullptr) {
        prefab = prefabs.Adopt(std::make_unique<Prefab>(prefabs, name));
    }
    FillEntries(*prefab, level, sources);
    for (std::size_t i = 0; i < prefab->AutoCreates.size(); ++i) {
        level.Children()[i]->MadeBy.Reset(prefab->AutoCreates[i].get());
    }
    prefab->Save();
}

void LevelStore::FillEntries(Prefab& prefab, const GameObject& level, const Prefab& sources) {
    prefab.AutoCreates.clear();
    prefab.IsModified = true;
    for (const GameObject* child : level.Children()) {
        auto entry = std::make_unique<AutoCreate>();
        entry->Owner = &prefab;
        // Unnamed entries are named after their prefab when instanced: keep them so.
        entry->Name = child->Name == child->PrefabName ? "" : child->Name;
        entry->PrefabName = child->PrefabName;
        if (const AutoCreate* source = FindSourceEntry(&sources, child->PrefabName)) {
            entry->InstanceProperties = CaptureStoredProperties(*source, *child);
        }
        prefab.AutoCreates.push_back(std::move(entry));
    }
}
