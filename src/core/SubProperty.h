#pragma once

#include "core/ParsedSubValue.h"

#include <functional>
#include <string>
#include <typeinfo>

class PropertyRegistration;

// A short-lived view of one sub-value of a property (the "X" of a Vector2, the
// "Rgb" of a Color, or the whole of a single value), built by
// PropertyRegistration::GetSubProperty for one read or write.
struct SubProperty {
    // "" when typed text is accepted, else why not (PropertyRegistration::SetTextCheck).
    using TextCheck = std::function<std::string(const std::string&)>;

    int Index = 0;
    bool IsLast = true;
    // "X", "Y", "Width", "Height", "A", "Rgb", or "" for a single value.
    std::string SubName;
    std::string PropertyName;
    const std::type_info* SubTypeTag = nullptr;
    const std::type_info* ValueTypeTag = nullptr;
    // Where the value is: a plain pointer, or the proxy registration whose getter and
    // setter reach it. Both null for an empty registration.
    void* Value = nullptr;
    PropertyRegistration* Proxy = nullptr;
    // The property's own check of typed text, or null.
    const TextCheck* Check = nullptr;

    // The key in files: the property name, or "Name.Sub" for a named sub-value.
    std::string Key() const;

    // The sub-value's text form; "" when there is no value.
    std::string ToText() const;
    // Parses text into the sub-value; text that does not convert changes nothing.
    void FromText(const std::string& text) const;
    // The same for a value stored in a file, which must also be one a file may hold
    // (PropertyTraits::IsStorable); false, changing nothing, when the text is refused.
    bool FromStoredText(const std::string& text) const;

    // Text typed into the editor for the sub-value, checked and converted once: by the
    // property's own Check, then by its type (ParseCheckedAs). Changes nothing itself.
    ParsedSubValue ParseChecked(const std::string& text) const;
    // The same by the value type alone (PropertyTraits<T>::ParseChecked), for sub-value
    // `index` of a property of type valueType.
    static ParsedSubValue ParseCheckedAs(const std::type_info& valueType, int index, const std::string& text);
};
