#include "core/SubProperty.h"

#include "core/PropertyProxyImpl.h"

namespace {

// Reads the whole value of type T, runs edit on a copy and writes it back when edit
// reports a change. A proxy is read with its getter and written with its setter.
template <class T, class Edit>
void Modify(const SubProperty& sub, Edit&& edit) {
    if (sub.Proxy != nullptr) {
        auto* proxy = static_cast<PropertyProxyImpl<T>*>(sub.Proxy);
        T value = proxy->Getter();
        if (edit(value)) {
            proxy->Setter(value);
        }
    } else if (sub.Value != nullptr) {
        edit(*static_cast<T*>(sub.Value));
    }
}

template <class T>
bool HasValue(const SubProperty& sub) {
    return sub.Proxy != nullptr || sub.Value != nullptr;
}

template <class T>
T Read(const SubProperty& sub) {
    if (sub.Proxy != nullptr) {
        return static_cast<PropertyProxyImpl<T>*>(sub.Proxy)->Getter();
    }
    return *static_cast<const T*>(sub.Value);
}

// A compound value (a Vector2, a Color ...) has no text as a whole.
template <class T>
bool AddressesWhole(const SubProperty& sub) {
    return PropertyTraits<T>::SubCount > 1 && sub.SubName.empty();
}

template <class T>
bool InRange(const SubProperty& sub) {
    return sub.Index >= 0 && sub.Index < PropertyTraits<T>::SubCount;
}

// Sub-value `index` of a T converted from typed text into a scratch value, then
// copied alone into whatever value it is assigned to.
template <class T>
ParsedSubValue ParseCheckedInto(int index, const std::string& text) {
    T parsed{};
    std::string refusal = PropertyTraits<T>::ParseChecked(parsed, index, text);
    if (!refusal.empty()) {
        return ParsedSubValue::Refused(std::move(refusal));
    }
    return ParsedSubValue::Converted([parsed = std::move(parsed), index](const SubProperty& target) {
        if (target.ValueTypeTag != nullptr && *target.ValueTypeTag == typeid(T)) {
            Modify<T>(target, [&](T& value) {
                PropertyTraits<T>::AssignSub(value, parsed, index);
                return true;
            });
        } else {
            // A reference stored apart from a live object is its name.
            target.FromText(PropertyTraits<T>::Print(parsed, index));
        }
    });
}

}  // namespace

std::string SubProperty::Key() const {
    return SubName.empty() ? PropertyName : PropertyName + "." + SubName;
}

std::string SubProperty::ToText() const {
    std::string text;
    if (ValueTypeTag == nullptr) {
        return text;
    }
    VisitPropertyValueType(*ValueTypeTag, [&]<class T>(std::type_identity<T>) {
        if (HasValue<T>(*this) && InRange<T>(*this) && !AddressesWhole<T>(*this)) {
            text = PropertyTraits<T>::Print(Read<T>(*this), Index);
        }
    });
    return text;
}

void SubProperty::FromText(const std::string& text) const {
    if (ValueTypeTag == nullptr) {
        return;
    }
    VisitPropertyValueType(*ValueTypeTag, [&]<class T>(std::type_identity<T>) {
        if (InRange<T>(*this) && !AddressesWhole<T>(*this)) {
            Modify<T>(*this, [&](T& value) { return PropertyTraits<T>::Parse(value, Index, text); });
        }
    });
}

bool SubProperty::FromStoredText(const std::string& text) const {
    bool taken = false;
    if (ValueTypeTag == nullptr) {
        return taken;
    }
    VisitPropertyValueType(*ValueTypeTag, [&]<class T>(std::type_identity<T>) {
        if (InRange<T>(*this) && !AddressesWhole<T>(*this)) {
            Modify<T>(*this, [&](T& value) {
                T parsed = value;
                taken = PropertyTraits<T>::Parse(parsed, Index, text) &&
                        PropertyTraits<T>::IsStorable(parsed, Index, text);
                if (taken) {
                    value = parsed;
                }
                return taken;
            });
        }
    });
    return taken;
}

ParsedSubValue SubProperty::ParseChecked(const std::string& text) const {
    if (Check != nullptr && *Check) {
        if (std::string refusal = (*Check)(text); !refusal.empty()) {
            return ParsedSubValue::Refused(std::move(refusal));
        }
    }
    return ValueTypeTag != nullptr ? ParseCheckedAs(*ValueTypeTag, Index, text) : ParsedSubValue();
}

ParsedSubValue SubProperty::ParseCheckedAs(const std::type_info& valueType, int index, const std::string& text) {
    ParsedSubValue parsed;
    VisitPropertyValueType(valueType, [&]<class T>(std::type_identity<T>) {
        if (index >= 0 && index < PropertyTraits<T>::SubCount) {
            parsed = ParseCheckedInto<T>(index, text);
        }
    });
    return parsed;
}
