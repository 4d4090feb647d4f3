#include "editor/prefabs/ComponentEdits.h"

#include "core/Component.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "editor/EditorMessage.h"
#include "editor/EditorState.h"
#include "editor/level/EngineObjects.h"
#include "editor/level/LevelKeeping.h"
#include "editor/palettes/PropertyEdits.h"
#include "editor/prefabs/ComponentSteps.h"
#include "editor/undo/ObjectEditCommand.h"
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

// A refusal is told; true when there was one.
bool Refused(const std::string& refusal) {
    if (refusal.empty()) return false;
    TellUser(refusal);
    return true;
}

std::size_t IndexIn(const GameObject& object, const Component* component) {
    const auto& all = object.Components();
    return static_cast<std::size_t>(std::find(all.begin(), all.end(), component) - all.begin());
}

void PushLive(GameObject& object, ObjectEditCommand::Step undo, ObjectEditCommand::Step redo) {
    if (Engine::EditorState != nullptr) {
        EditHistory& history = Engine::EditorState->History;
        history.Push(std::make_unique<ObjectEditCommand>(history.SlotFor(&object), std::move(undo), std::move(redo)));
    }
}

bool MoveLive(GameObject& object, Component& component, int offset) {
    if (Refused(LevelKeeping::RefusalToMove(object, component, offset))) return false;
    const std::size_t from = IndexIn(object, &component);
    if (!component.MoveInOwner(offset)) return false;
    const std::size_t to = IndexIn(object, &component);
    const int back = static_cast<int>(from) - static_cast<int>(to);
    PushLive(object, ComponentSteps::Shift(to, back), ComponentSteps::Shift(from, -back));
    return true;
}

bool RemoveLive(GameObject& object, Component& component) {
    if (RefusedOnEngineObject(object) || Refused(LevelKeeping::RefusalToRemove(object, component))) return false;
    const std::size_t at = IndexIn(object, &component);
    std::shared_ptr<const PrefabComponent> snapshot = ComponentSteps::Snapshot(component);
    component.QueueDelete();
    PushLive(object, ComponentSteps::Insert(std::move(snapshot), at), ComponentSteps::Erase(at));
    return true;
}

bool AddLive(GameObject& object, const std::string& typeName) {
    if (RefusedOnEngineObject(object) || Refused(LevelKeeping::RefusalToAdd(object, typeName))) return false;
    auto fresh = std::make_shared<PrefabComponent>();
    fresh->TypeName = typeName;
    const std::size_t at = object.Components().size();
    ComponentSteps::Insert(fresh, at)(object);
    if (object.Components().size() == at) return false;  // the type made no component
    PushLive(object, ComponentSteps::Erase(at), ComponentSteps::Insert(fresh, at));
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
        return component != nullptr && !component->IsQueuedForDeletion() && RemoveLive(*target.Object, *component);
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
    if (target.IsLive()) return AddLive(*target.Object, typeName);
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
