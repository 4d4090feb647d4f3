#pragma once

#include <cstddef>
#include <optional>
#include <string>

// The text rules of an editor field, apart from its keys and drawing.
namespace EdFieldText {

// The longest text a field holds; typing and pasting stop there.
inline constexpr std::size_t MaxLength = 256;

// The text stepped by `step` (1, 10 or 0.1, either sign), or nothing when the text
// is no number or the result would not fit. An integer text ("7", " -3 ") stays an
// integer: the sum truncated toward zero, so 7 - 0.1 gives 6. Integers are read into
// 64 bits; too many digits or a sum out of range does not step. A decimal text
// ("0.5", ".25") becomes the sum in 17 significant digits.
std::optional<std::string> StepNumber(const std::string& text, double step);

// The part of `text` that may go into a field holding `heldLength` characters:
// up to the first line break, printable ASCII only, cut at MaxLength in total.
std::string Insertable(const std::string& text, std::size_t heldLength);

}  // namespace EdFieldText
