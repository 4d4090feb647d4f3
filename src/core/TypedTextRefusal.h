#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Why text typed into the editor for a property is refused, in the words the user
// sees; "" when it is accepted. The text forms themselves are lenient (a bool takes
// any text, an unknown enum name gives the first value, an unparsable number leaves
// the value alone); typed text is checked first, so that a typing mistake never lands
// as some other value. Each PropertyTraits<T>::ParseChecked decides with these.
namespace TypedTextRefusal {

// Numbers typed in the editor stay within this magnitude: Box2D aborts on huge sizes
// and positions.
inline constexpr double MaxTypedMagnitude = 10000.0;

// value: what the text parsed to as the property's number type, if it did.
std::string Number(std::optional<double> value, const std::string& text);
std::string Bool(bool isSpelling, const std::string& text);
// fraction: the alpha text as a float, if it is one; it must lie in 0..1.
std::string Alpha(std::optional<float> fraction, const std::string& text);
// rgb: the colour text as a hexadecimal number, if it is one; it must fit six digits.
std::string Rgb(std::optional<std::uint32_t> rgb, const std::string& text);
// An enumeration's text must be one of its names.
std::string Name(bool isKnown, const std::string& text);
// kind: what the reference names ("texture", "font").
std::string Reference(bool isFound, const char* kind, const std::string& text);

}  // namespace TypedTextRefusal
