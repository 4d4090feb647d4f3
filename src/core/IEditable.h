#pragma once

#include "core/PropertyProxyImpl.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <typeinfo>

// The reflective side of every concrete component and behaviour: the prefab loader,
// the serializer and the editor reach its values by property name through it.
//
// A class declares its properties in its constructor, under the names used in files
// and in the editor:
//
//     Pos2dComponent::Pos2dComponent() {
//         AddProperty("Pos", Pos);                    // a plain field
//         AddProxy<Vector2>("Velocity", [this] { return GetVelocity(); },
//                           [this](Vector2 v) { SetVelocity(v); });  // runs code
//     }
//
// and is registered by name in the type registry (PrefabManager::Register<T>).
class IEditable {
public:
    using PropertyMap = std::map<std::string, std::unique_ptr<PropertyRegistration>>;

    IEditable() = default;
    IEditable(const IEditable&) = delete;
    IEditable& operator=(const IEditable&) = delete;
    virtual ~IEditable() = default;

    // Property name -> handle, in byte-wise name order.
    PropertyMap Properties;
    // The concrete registered class, stored by the type registry's factory; prefab
    // instancing matches prefab entries to live components by it. Null for objects
    // built by hand.
    const std::type_info* TypeTag = nullptr;

    // The handle of a property, or null.
    PropertyRegistration* FindProperty(const std::string& name) const {
        auto at = Properties.find(name);
        return at != Properties.end() ? at->second.get() : nullptr;
    }

protected:
    template <class T>
    void AddProperty(const std::string& name, T& field) {
        Properties[name] = std::make_unique<PropertyRegistrationImpl<T>>(&field);
    }

    // Returns the registration, for a text check of its own (SetTextCheck).
    template <class T>
    PropertyRegistration& AddProxy(const std::string& name, std::function<T()> getter, std::function<void(T)> setter) {
        return *(Properties[name] = std::make_unique<PropertyProxyImpl<T>>(std::move(getter), std::move(setter)));
    }
};
