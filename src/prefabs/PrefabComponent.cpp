#include "prefabs/PrefabComponent.h"

std::unique_ptr<PrefabComponent> PrefabComponent::Clone() const {
    auto copy = std::make_unique<PrefabComponent>();
    copy->TypeName = TypeName;
    copy->TypeTag = TypeTag;
    for (const auto& [name, value] : Properties) {
        std::unique_ptr<PropertyRegistration> holder = value->CloneOwned();
        value->AssignTo(*holder);
        copy->Properties[name] = std::move(holder);
    }
    return copy;
}
