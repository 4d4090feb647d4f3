#pragma once

#include "core/PropertyRegistration.h"
#include "core/PropertyTraits.h"

// A property that is a plain field: read and written through a pointer. Either bound
// to a field of its object (not owned) or owning a heap value (a stored prefab value).
template <class T>
class PropertyRegistrationImpl : public PropertyRegistration {
public:
    // Bound to a field of the object that declares the property.
    explicit PropertyRegistrationImpl(T* field) : PropertyRegistration(typeid(T), field, false) {}

    // A registration owning `value`.
    static std::unique_ptr<PropertyRegistrationImpl> Owning(T value = T{}) {
        return std::unique_ptr<PropertyRegistrationImpl>(new PropertyRegistrationImpl(new T(std::move(value)), true));
    }

    ~PropertyRegistrationImpl() override {
        if (OwnsValue()) {
            delete Get();
        }
    }

    // The value, or null for an empty registration.
    T* Get() const { return static_cast<T*>(Value()); }

    void AssignTo(PropertyRegistration& target) const override;
    std::unique_ptr<PropertyRegistration> CloneOwned() const override;
    std::unique_ptr<PropertyRegistration> CloneEmpty() const override {
        return std::make_unique<PropertyRegistrationImpl>(nullptr);
    }
    SubProperty GetSubProperty(const std::string& propertyName, int index) const override;

private:
    PropertyRegistrationImpl(T* value, bool owns) : PropertyRegistration(typeid(T), value, owns) {}
};

namespace PropertyRegistrationDetail {

// Writes value into target, which has value type T and is either kind of registration.
template <class T>
void Store(const T& value, PropertyRegistration& target) {
    if (auto* plain = dynamic_cast<PropertyRegistrationImpl<T>*>(&target)) {
        if (plain->Get() != nullptr) {
            *plain->Get() = value;
        }
    } else if (auto* proxy = dynamic_cast<PropertyProxyImpl<T>*>(&target)) {
        proxy->Setter(value);
    }
}

template <class T>
bool CanCopyDirectly(const PropertyRegistration& source, const PropertyRegistration& target) {
    return !IsReferenceType(source.TypeTag()) && !IsReferenceType(target.TypeTag()) &&
           target.TypeTag() == typeid(T);
}

template <class T>
std::unique_ptr<PropertyRegistration> OwnedDefault() {
    if constexpr (std::is_pointer_v<T>) {
        return PropertyRegistrationImpl<std::string>::Owning();
    } else {
        return PropertyRegistrationImpl<T>::Owning();
    }
}

// Fills in the name, type and last flag of sub-value `index` of a T.
template <class T>
SubProperty Describe(const std::string& propertyName, int index, void* value, PropertyRegistration* proxy,
                     const SubProperty::TextCheck* check) {
    SubProperty sub;
    sub.Index = index;
    sub.PropertyName = propertyName;
    sub.ValueTypeTag = &typeid(T);
    sub.Value = value;
    sub.Proxy = proxy;
    sub.Check = check;
    const bool inRange = index >= 0 && index < PropertyTraits<T>::SubCount;
    // Moved in from a temporary: assigning the literal itself trips a false -Wrestrict
    // warning of GCC 12 in some units.
    sub.SubName = std::string(inRange ? PropertyTraits<T>::SubName(index) : "");
    sub.SubTypeTag = inRange ? &PropertyTraits<T>::SubType(index) : &typeid(T);
    sub.IsLast = !inRange || index == PropertyTraits<T>::SubCount - 1;
    return sub;
}

}  // namespace PropertyRegistrationDetail

template <class T>
void PropertyRegistrationImpl<T>::AssignTo(PropertyRegistration& target) const {
    if (!PropertyRegistrationDetail::CanCopyDirectly<T>(*this, target)) {
        AssignThroughText(target);
    } else if (Get() != nullptr) {
        PropertyRegistrationDetail::Store(*Get(), target);
    }
}

template <class T>
std::unique_ptr<PropertyRegistration> PropertyRegistrationImpl<T>::CloneOwned() const {
    return PropertyRegistrationDetail::OwnedDefault<T>();
}

template <class T>
SubProperty PropertyRegistrationImpl<T>::GetSubProperty(const std::string& propertyName, int index) const {
    return PropertyRegistrationDetail::Describe<T>(propertyName, index, Value(), nullptr, OwnTextCheck());
}

// Defined after the helpers above, which it uses.
#include "core/PropertyProxyImpl.h"
