#include "editor/level/EditTarget.h"

#include "core/Component.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "editor/EditorState.h"
#include "prefabs/PrefabManager.h"

EditTarget EditTarget::FromSelection(const EditorState& state) {
    EditTarget target;
    if (state.SelectedAutoCreate != nullptr) {
        target.What = Kind::Entry;
        target.Entry = state.SelectedAutoCreate;
        target.StoredIn = PrefabOwningEntry(target.Entry);
    } else if (state.SelectedObject != nullptr) {
        target.What = Kind::Object;
        target.Object = state.SelectedObject;
    } else if (state.SelectedPrefab != nullptr) {
        target.What = Kind::Prefab;
        target.StoredIn = state.SelectedPrefab;
    }
    return target;
}

std::string EditTarget::Title() const {
    switch (What) {
        case Kind::Entry: return "Edit AutoCreate";
        case Kind::Object: return "Edit Instance";
        case Kind::Prefab: return "Edit Prefab";
        case Kind::None: break;
    }
    return "Edit";
}

std::vector<std::unique_ptr<PrefabComponent>>* EditTarget::StoredComponents() const {
    if (What == Kind::Entry) return &Entry->InstanceProperties;
    if (What == Kind::Prefab) return &StoredIn->Components;
    return nullptr;
}

std::vector<IEditable*> EditTarget::Components() const {
    std::vector<IEditable*> shown;
    if (What == Kind::Object) {
        for (Component* component : Object->Components()) {
            if (auto* editable = dynamic_cast<IEditable*>(component)) shown.push_back(editable);
        }
    } else if (auto* stored = StoredComponents()) {
        for (const auto& component : *stored) shown.push_back(component.get());
    }
    return shown;
}

std::vector<const void*> EditTarget::Signature() const {
    std::vector<const void*> signature{reinterpret_cast<const void*>(static_cast<std::size_t>(What)), Entry, Object,
                                       StoredIn};
    for (IEditable* component : Components()) signature.push_back(component);
    return signature;
}

Prefab* PrefabOwningEntry(const AutoCreate* entry) {
    if (entry == nullptr || Engine::Prefabs == nullptr) return nullptr;
    for (const auto& [name, prefab] : Engine::Prefabs->Prefabs()) {
        for (const auto& candidate : prefab->AutoCreates) {
            if (candidate.get() == entry) return prefab.get();
        }
    }
    return nullptr;
}
