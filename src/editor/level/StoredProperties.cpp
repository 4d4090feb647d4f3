#include "editor/level/StoredProperties.h"

#include "core/Component.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "core/SubProperty.h"
#include "prefabs/AutoCreate.h"
#include "prefabs/PrefabManager.h"

#include <map>
#include <typeindex>
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

std::unique_ptr<PropertyRegistration> CopyOf(const PropertyRegistration& value) {
    std::unique_ptr<PropertyRegistration> owned = value.CloneOwned();
    value.AssignTo(*owned);
    return owned;
}

bool SameText(const PropertyRegistration& a, const PropertyRegistration& b, const std::string& name) {
    for (int i = 0;; ++i) {
        const SubProperty sub = a.GetSubProperty(name, i);
        if (sub.ToText() != b.GetSubProperty(name, i).ToText()) {
            return false;
        }
        if (sub.IsLast) {
            return true;
        }
    }
}

// How many components of each type instancing makes: the prefab's, and one for each
// type the entry names that the prefab lacks (the override creates it).
std::map<std::type_index, int> MadeCounts(const AutoCreate& source, const std::vector<std::string>& prefabTypes) {
    std::map<std::type_index, int> made;
    for (const std::string& name : prefabTypes) {
        if (const PrefabManager::ComponentType* type = Engine::Prefabs->FindType(name)) ++made[*type->Tag];
    }
    for (const auto& component : source.InstanceProperties) {
        if (component->TypeTag != nullptr && made[*component->TypeTag] == 0) made[*component->TypeTag] = 1;
    }
    return made;
}

// An Added component whole: every value that differs from the type's prototype.
std::unique_ptr<PrefabComponent> CaptureWhole(const IEditable& live) {
    auto copy = std::make_unique<PrefabComponent>();
    copy->TypeName = Engine::Prefabs->TypeNameOf(live);
    copy->TypeTag = live.TypeTag;
    const IEditable* prototype = Engine::Prefabs->FindPrototype(copy->TypeName);
    for (const auto& [name, value] : live.Properties) {
        const PropertyRegistration* model = prototype != nullptr ? prototype->FindProperty(name) : nullptr;
        if (model == nullptr || !SameText(*value, *model, name)) {
            copy->Properties[name] = CopyOf(*value);
        }
    }
    return copy;
}

}  // namespace

std::vector<ComponentOrigin> ComponentOrigins(const AutoCreate& source, const GameObject& object) {
    const Prefab* prefab = Engine::Prefabs != nullptr ? Engine::Prefabs->Find(object.PrefabName) : nullptr;
    if (prefab == nullptr) {
        return ComponentOrigins(source, object, nullptr);
    }
    std::vector<std::string> types;
    for (const auto& component : prefab->Components) types.push_back(component->TypeName);
    return ComponentOrigins(source, object, &types);
}

std::vector<ComponentOrigin> ComponentOrigins(const AutoCreate& source, const GameObject& object,
                                              const std::vector<std::string>* prefabTypes) {
    if (prefabTypes == nullptr || Engine::Prefabs == nullptr) {
        return std::vector<ComponentOrigin>(object.Components().size(), ComponentOrigin::Made);
    }
    std::map<std::type_index, int> made = MadeCounts(source, *prefabTypes);
    std::map<std::type_index, int> seen;
    std::vector<ComponentOrigin> origins;
    for (Component* c : object.Components()) {
        const auto* editable = dynamic_cast<const IEditable*>(c);
        if (editable == nullptr || editable->TypeTag == nullptr) {
            origins.push_back(ComponentOrigin::Unkeepable);
            continue;
        }
        const std::type_index type(*editable->TypeTag);
        const int occurrence = seen[type]++;
        if (occurrence < made[type]) {
            origins.push_back(ComponentOrigin::Made);
        } else {
            origins.push_back(occurrence == 0 ? ComponentOrigin::Added : ComponentOrigin::Unkeepable);
        }
    }
    return origins;
}

ComponentValues CaptureStoredProperties(const AutoCreate& source, const GameObject& object) {
    ComponentValues values;
    for (const auto& stored : source.InstanceProperties) {
        auto copy = std::make_unique<PrefabComponent>();
        copy->TypeName = stored->TypeName;
        copy->TypeTag = stored->TypeTag;
        if (const IEditable* live = FirstOfType(object, stored->TypeTag)) {
            for (const auto& [name, unused] : stored->Properties) {
                if (const PropertyRegistration* value = live->FindProperty(name)) {
                    copy->Properties[name] = CopyOf(*value);
                }
            }
        }
        values.push_back(std::move(copy));
    }
    const std::vector<ComponentOrigin> origins = ComponentOrigins(source, object);
    for (std::size_t i = 0; i < origins.size(); ++i) {
        if (origins[i] == ComponentOrigin::Added) {
            values.push_back(CaptureWhole(*dynamic_cast<const IEditable*>(object.Components()[i])));
        }
    }
    return values;
}
