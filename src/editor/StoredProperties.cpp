#include "editor/StoredProperties.h"

#include "core/Component.h"
#include "core/GameObject.h"
#include "prefabs/AutoCreate.h"

#include <typeinfo>

namespace {

IEditable* FirstOfType(const GameObject& object, const std::type_info* type) {
    for (Component* c : object.Components()) {
        auto* editable = dynamic_cast<IEditable*>(c);
        if (editable != nullptr && type != nullptr && typeid(*editable) == *type) {
            return editable;
        }
    }
    return nullptr;
}

}  // namespace

ComponentValues CaptureStoredProperties(const AutoCreate& source, const GameObject& object) {
    ComponentValues values;
    for (const auto& stored : source.InstanceProperties) {
        auto copy = std::make_unique<PrefabComponent>();
        copy->TypeName = stored->TypeName;
        copy->TypeTag = stored->TypeTag;
        if (const IEditable* live = FirstOfType(object, stored->TypeTag)) {
            for (const auto& [name, unused] : stored->Properties) {
                if (const PropertyRegistration* value = live->FindProperty(name)) {
                    std::unique_ptr<PropertyRegistration> owned = value->CloneOwned();
                    value->AssignTo(*owned);
                    copy->Properties[name] = std::move(owned);
                }
            }
        }
        values.push_back(std::move(copy));
    }
    return values;
}
