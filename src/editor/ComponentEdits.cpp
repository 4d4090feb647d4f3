#include "editor/ComponentEdits.h"

#include "core/Behavior.h"
#include "core/Component.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "editor/EditorMessage.h"
#include "editor/EditorState.h"
#include "editor/ObjectEditCommand.h"
#include "editor/PropertyEdits.h"
#include "editor/EngineObjects.h"
#include "prefabs/PrefabManager.h"

#include <algorithm>

namespace ComponentEdits {

namespace {

Component* LiveAt(const EditTarget& target, std::size_t index) {
    const std::vector<IEditable*> shown = target.Components();
    return index < shown.size() ? dynamic_cast<Component*>(shown[index]) : nullptr;
}

bool RefusedOnEngineObject(const GameObject& object) {
    return RefuseOnEngineObject(&object, "Cannot change the components");
}

// The component now at place `at` moved by offset, as an undoable step.
ObjectEditCommand::Step MoveStep(std::size_t at, int offset) {
    return [at, offset](GameObject& object) {
        if (at < object.Components().size()) object.Components()[at]->MoveInOwner(offset);
    };
}

std::size_t IndexIn(const GameObject& object, const Component* component) {
    const auto& all = object.Components();
    return static_cast<std::size_t>(std::find(all.begin(), all.end(), component) - all.begin());
}

bool MoveLive(GameObject& object, Component& component, int offset) {
    const std::size_t from = IndexIn(object, &component);
    if (!component.MoveInOwner(offset)) return false;
    const std::size_t to = IndexIn(object, &component);
    if (Engine::EditorState != nullptr) {
        EditHistory& history = Engine::EditorState->History;
        const int back = static_cast<int>(from) - static_cast<int>(to);
        history.Push(std::make_unique<ObjectEditCommand>(history.SlotFor(&object), MoveStep(to, back),
                                                         MoveStep(from, -back)));
    }
    return true;
}

bool MoveStored(const EditTarget& target, std::size_t index, int offset) {
    auto& stored = *target.StoredComponents();
    const long last = static_cast<long>(stored.size()) - 1;
    const std::size_t to = static_cast<std::size_t>(std::clamp(static_cast<long>(index) + offset, 0L, last));
    if (index >= stored.size() || to == index) return false;
    PropertyEdits::EditStored(*target.StoredIn, [&] {
        auto moved = std::move(stored[index]);
        stored.erase(stored.begin() + static_cast<long>(index));
        stored.insert(stored.begin() + static_cast<long>(to), std::move(moved));
        return true;
    });
    return true;
}

}  // namespace

bool Remove(const EditTarget& target, std::size_t index) {
    if (target.IsLive()) {
        Component* component = LiveAt(target, index);
        if (component == nullptr || RefusedOnEngineObject(*target.Object)) return false;
        component->QueueDelete();
        return true;
    }
    auto* stored = target.StoredComponents();
    if (stored == nullptr || target.StoredIn == nullptr || index >= stored->size()) return false;
    PropertyEdits::EditStored(*target.StoredIn, [&] {
        stored->erase(stored->begin() + static_cast<long>(index));
        return true;
    });
    return true;
}

bool Move(const EditTarget& target, std::size_t index, int offset) {
    if (target.IsLive()) {
        Component* component = LiveAt(target, index);
        return component != nullptr && MoveLive(*target.Object, *component, offset);
    }
    return target.StoredComponents() != nullptr && target.StoredIn != nullptr && MoveStored(target, index, offset);
}

std::vector<std::string> AddableTypes() {
    std::vector<std::string> names;
    if (Engine::Prefabs == nullptr) return names;
    for (const auto& [name, type] : Engine::Prefabs->Types()) {
        if (name != "PrefabComponent") names.push_back(name);
    }
    return names;
}

bool Add(const EditTarget& target, const std::string& typeName) {
    const std::vector<std::string> addable = AddableTypes();
    if (std::find(addable.begin(), addable.end(), typeName) == addable.end()) return false;
    if (target.IsLive()) {
        std::unique_ptr<IEditable> made = Engine::Prefabs->Create(typeName);
        auto* component = dynamic_cast<Component*>(made.get());
        if (component == nullptr) return false;
        made.release();
        target.Object->AddComponent(component);
        if (auto* behavior = dynamic_cast<Behavior*>(component)) behavior->Start();
        return true;
    }
    auto* stored = target.StoredComponents();
    if (stored == nullptr || target.StoredIn == nullptr) return false;
    PropertyEdits::EditStored(*target.StoredIn, [&] {
        auto entry = std::make_unique<PrefabComponent>();
        entry->TypeName = typeName;
        entry->TypeTag = Engine::Prefabs->FindType(typeName)->Tag;
        stored->push_back(std::move(entry));
        return true;
    });
    return true;
}

}  // namespace ComponentEdits
