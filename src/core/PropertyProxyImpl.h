#pragma once

#include "core/PropertyRegistrationImpl.h"

#include <functional>

// A property whose reads and writes run code (moving a physics body, say): a getter
// returning the value and a setter taking it, both usually bound to the object.
// Calling one that was never set throws std::bad_function_call.
template <class T>
class PropertyProxyImpl : public PropertyRegistration {
public:
    PropertyProxyImpl(std::function<T()> getter, std::function<void(T)> setter)
        : PropertyRegistration(typeid(T), nullptr, false), Getter(std::move(getter)), Setter(std::move(setter)) {}

    std::function<T()> Getter;
    std::function<void(T)> Setter;

    void AssignTo(PropertyRegistration& target) const override {
        if (PropertyRegistrationDetail::CanCopyDirectly<T>(*this, target)) {
            PropertyRegistrationDetail::Store(Getter(), target);
        } else {
            AssignThroughText(target);
        }
    }
    std::unique_ptr<PropertyRegistration> CloneOwned() const override {
        return PropertyRegistrationDetail::OwnedDefault<T>();
    }
    std::unique_ptr<PropertyRegistration> CloneEmpty() const override {
        return std::make_unique<PropertyProxyImpl>(nullptr, nullptr);
    }
    SubProperty GetSubProperty(const std::string& propertyName, int index) const override {
        return PropertyRegistrationDetail::Describe<T>(propertyName, index, nullptr,
                                                       const_cast<PropertyProxyImpl*>(this), OwnTextCheck());
    }
};
