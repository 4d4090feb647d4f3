#include "editor/level/LevelObjectRecord.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "prefabs/PrefabManager.h"

const AutoCreate* FindSourceEntry(const Prefab* sources, const std::string& prefabName) {
    if (sources == nullptr) {
        return nullptr;
    }
    for (const auto& entry : sources->AutoCreates) {
        if (entry->PrefabName == prefabName) {
            return entry.get();
        }
    }
    return nullptr;
}

LevelObjectRecord LevelObjectRecord::Capture(const GameObject& object, std::size_t index, const Prefab* sources) {
    LevelObjectRecord record;
    record.PrefabName = object.PrefabName;
    record.Name = object.Name;
    record.Index = index;
    record.Where = Placement::Of(object);
    if (const AutoCreate* source = FindSourceEntry(sources, object.PrefabName)) {
        record.Values = CaptureStoredProperties(*source, object);
    }
    return record;
}

GameObject* LevelObjectRecord::Restore(GameObject& level) const {
    auto* object = new GameObject(PrefabName);
    object->Name = Name;
    if (const Prefab* prefab = Engine::Prefabs != nullptr ? Engine::Prefabs->Find(PrefabName) : nullptr) {
        prefab->ApplyComponents(*object, Values, Prefab::ApplyMode::Override);
    }
    Where.ApplyTo(*object);
    level.InsertChild(Index, object);
    return object;
}
