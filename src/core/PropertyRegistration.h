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

    // A check of typed text beyond what the value type makes, for a property whose
    // text must mean more than its type says (a fixture's shape text must build a
    // shape); it runs first when a sub-value parses typed text. The clones do not
    // carry it: a stored value is checked through its type's prototype.
    void SetTextCheck(SubProperty::TextCheck check) { textCheck_ = std::move(check); }

    const std::type_info& TypeTag() const { return *typeTag_; }
    bool OwnsValue() const { return ownsValue_; }
    void* Value() const { return value_; }

protected:
    PropertyRegistration(const std::type_info& typeTag, void* value, bool ownsValue)
        : typeTag_(&typeTag), ownsValue_(ownsValue), value_(value) {}

    // The whole value copied through text into target's first sub-value.
    void AssignThroughText(PropertyRegistration& target) const;
    // The check for the sub-values to hand on; null without one.
    const SubProperty::TextCheck* OwnTextCheck() const { return textCheck_ ? &textCheck_ : nullptr; }

private:
    const std::type_info* typeTag_;
    bool ownsValue_;
    void* value_;
    SubProperty::TextCheck textCheck_;
};
