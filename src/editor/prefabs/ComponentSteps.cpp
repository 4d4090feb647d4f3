#include "editor/prefabs/ComponentSteps.h"

#include "core/Behavior.h"
#include "core/Component.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "prefabs/PrefabManager.h"

namespace ComponentSteps {

std::shared_ptr<const PrefabComponent> Snapshot(const Component& component) {
    auto snapshot = std::make_shared<PrefabComponent>();
    const auto* editable = dynamic_cast<const IEditable*>(&component);
    if (editable == nullptr || Engine::Prefabs == nullptr) return snapshot;
    snapshot->TypeName = Engine::Prefabs->TypeNameOf(*editable);
    snapshot->TypeTag = editable->TypeTag;
    for (const auto& [name, value] : editable->Properties) {
        std::unique_ptr<PropertyRegistration> copy = value->CloneOwned();
        value->AssignTo(*copy);
        snapshot->Properties[name] = std::move(copy);
    }
    return snapshot;
}

ObjectEditCommand::Step Insert(std::shared_ptr<const PrefabComponent> snapshot, std::size_t index) {
    return [snapshot = std::move(snapshot), index](GameObject& object) {
        std::unique_ptr<IEditable> made = Engine::Prefabs != nullptr ? Engine::Prefabs->Create(snapshot->TypeName) : nullptr;
        auto* component = dynamic_cast<Component*>(made.get());
        if (component == nullptr) return;
        made.release();
        object.AddComponent(component);
        component->MoveInOwner(static_cast<int>(index) - static_cast<int>(object.Components().size() - 1));
        for (const auto& [name, value] : snapshot->Properties) {
            if (PropertyRegistration* live = dynamic_cast<IEditable*>(component)->FindProperty(name)) value->AssignTo(*live);
        }
        if (auto* behavior = dynamic_cast<Behavior*>(component)) behavior->Start();
    };
}

ObjectEditCommand::Step Erase(std::size_t index) {
    return [index](GameObject& object) {
        if (index < object.Components().size()) object.Components()[index]->QueueDelete();
    };
}

ObjectEditCommand::Step Shift(std::size_t index, int offset) {
    return [index, offset](GameObject& object) {
        if (index < object.Components().size()) object.Components()[index]->MoveInOwner(offset);
    };
}

}  // namespace ComponentSteps
