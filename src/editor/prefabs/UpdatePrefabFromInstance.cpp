#include "editor/prefabs/UpdatePrefabFromInstance.h"

#include "core/Component.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "prefabs/PrefabManager.h"

#include <memory>
#include <typeinfo>
#include <vector>

namespace {

using StoredComponents = std::vector<std::unique_ptr<PrefabComponent>>;

bool SameType(const std::type_info* a, const std::type_info& b) { return a != nullptr && *a == b; }

// The `occurrence`-th stored component of the type, or null.
PrefabComponent* StoredMatch(StoredComponents* stored, const std::type_info& type, int occurrence) {
    if (stored == nullptr) {
        return nullptr;
    }
    for (const auto& component : *stored) {
        if (SameType(component->TypeTag, type) && occurrence-- == 0) {
            return component.get();
        }
    }
    return nullptr;
}

// Copies every property of `live` that `target` stores; true when any was.
bool CopyStored(const IEditable& live, PrefabComponent* target, const PrefabComponent* skip) {
    bool copied = false;
    if (target == nullptr) {
        return false;
    }
    for (const auto& [name, value] : live.Properties) {
        const bool ownedBySkip = skip != nullptr && skip->FindProperty(name) != nullptr;
        if (PropertyRegistration* stored = target->FindProperty(name); stored != nullptr && !ownedBySkip) {
            value->AssignTo(*stored);
            copied = true;
        }
    }
    return copied;
}

}  // namespace

InstanceSources FindInstanceSources(const GameObject& object) {
    InstanceSources sources;
    PrefabManager* prefabs = Engine::Prefabs;
    if (prefabs == nullptr) {
        return sources;
    }
    if (const AutoCreate* made = object.MadeBy.Get(); made != nullptr && made->Owner != nullptr &&
                                                     prefabs->Find(made->Owner->Name) == made->Owner) {
        for (const auto& entry : made->Owner->AutoCreates) {
            if (entry.get() == made) {
                sources.Entry = entry.get();
            }
        }
    }
    if (!object.PrefabName.empty()) {
        sources.OwnPrefab = prefabs->Find(object.PrefabName);
    }
    return sources;
}

bool UpdatePrefabFromInstance(const GameObject& object) {
    const InstanceSources sources = FindInstanceSources(object);
    StoredComponents* entryStored = sources.Entry != nullptr ? &sources.Entry->InstanceProperties : nullptr;
    StoredComponents* prefabStored = sources.OwnPrefab != nullptr ? &sources.OwnPrefab->Components : nullptr;
    bool entryWritten = false;
    bool prefabWritten = false;
    std::vector<const std::type_info*> seen;
    for (const Component* component : object.Components()) {
        const auto* live = dynamic_cast<const IEditable*>(component);
        if (live == nullptr) {
            continue;
        }
        const std::type_info& type = typeid(*live);
        int occurrence = 0;
        for (const std::type_info* earlier : seen) {
            occurrence += *earlier == type ? 1 : 0;
        }
        seen.push_back(&type);
        PrefabComponent* inEntry = StoredMatch(entryStored, type, occurrence);
        entryWritten = CopyStored(*live, inEntry, nullptr) || entryWritten;
        prefabWritten = CopyStored(*live, StoredMatch(prefabStored, type, occurrence), inEntry) || prefabWritten;
    }
    if (entryWritten) {
        sources.Entry->Owner->IsModified = true;
    }
    if (prefabWritten) {
        sources.OwnPrefab->IsModified = true;
    }
    return entryWritten || prefabWritten;
}
