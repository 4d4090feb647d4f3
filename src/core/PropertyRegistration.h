#pragma once

#include "core/SubProperty.h"

#include <memory>
#include <string>
#include <typeinfo>

template <class T>
class PropertyRegistrationImpl;
template <class T>
class PropertyProxyImpl;

// A typed handle on one property value of an editable object: through it the prefab
// loader writes values, the saver reads them and the editor edits them. Concrete
// handles are PropertyRegistrationImpl<T> (a field of the object, or a value it owns)
// and PropertyProxyImpl<T> (a getter and a setter that run code).
class PropertyRegistration {
public:
    PropertyRegistration(const PropertyRegistration&) = delete;
    PropertyRegistration& operator=(const PropertyRegistration&) = delete;
    // Frees the value when this registration owns it.
    virtual ~PropertyRegistration() = default;

    // Copies this value into target: directly when both have the same value type and
    // neither is a texture or font reference; otherwise through the text form, which
    // is how a stored name becomes a live reference.
    virtual void AssignTo(PropertyRegistration& target) const = 0;
    // A registration of the same value type owning a default value; for a texture or
    // font reference, a string registration owning "" (references are stored as names).
    virtual std::unique_ptr<PropertyRegistration> CloneOwned() const = 0;
    // A registration of the same value type with no value.
    virtual std::unique_ptr<PropertyRegistration> CloneEmpty() const = 0;
    // Sub-value number `index`; enumerate from 0 until the result IsLast.
    virtual SubProperty GetSubProperty(const std::string& propertyName, int index) const = 0;

    const std::type_info& TypeTag() const { return *typeTag_; }
    bool OwnsValue() const { return ownsValue_; }
    void* Value() const { return value_; }

protected:
    PropertyRegistration(const std::type_info& typeTag, void* value, bool ownsValue)
        : typeTag_(&typeTag), ownsValue_(ownsValue), value_(value) {}

    // The whole value copied through text into target's first sub-value.
    void AssignThroughText(PropertyRegistration& target) const;

private:
    const std::type_info* typeTag_;
    bool ownsValue_;
    void* value_;
};
