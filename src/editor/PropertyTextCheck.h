#pragma once

#include <string>
#include <typeinfo>

// Whether a text typed for one sub-value of a property may be stored. The text forms
// themselves are lenient (a bool takes any text, an unknown enum name gives the first
// value, an unparsable number leaves the value alone); the editor checks first, so a
// typing mistake never lands as some other value.
//
// valueType is the property's registered value type (a live component's, or the
// type prototype's for a stored prefab value), subIndex its sub-value. Returns "" when
// the text may be stored, else why not, for the user.
std::string PropertyTextRefusal(const std::type_info& valueType, int subIndex, const std::string& text);

// Numbers typed in the editor stay within this magnitude: Box2D aborts on huge sizes
// and positions.
inline constexpr double MaxTypedMagnitude = 10000.0;
