#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The text rules of an editor field, apart from its keys and drawing.
namespace EdFieldText {

// The longest text a field holds, in bytes of UTF-8; typing and pasting stop there.
inline constexpr std::size_t MaxLength = 256;

// The text stepped by `step` (1, 10 or 0.1, either sign), or nothing when the text
// is no number or the result would not fit. An integer text ("7", " -3 ") stays an
// integer: the sum truncated toward zero, so 7 - 0.1 gives 6. Integers are read into
// 64 bits; too many digits or a sum out of range does not step. A decimal text
// ("0.5", ".25") becomes the sum in the shortest form that reads back the same.
std::optional<std::string> StepNumber(const std::string& text, double step);

// What typing or pasting `text` puts into a field holding `heldLength` bytes: the
// characters up to the first line break but control characters and broken UTF-8,
// cut at MaxLength bytes in total, never inside a character. A character
// `canDraw` refuses is left out and named in Refused, once.
struct Insertion {
    std::string Kept;
    std::string Refused;
};
Insertion Insertable(const std::string& text, std::size_t heldLength, const std::function<bool(char32_t)>& canDraw);

// The characters a field `room` wide shows, given each character's width: the
// indices [First, Last) of a run that fits, holding the one at `keep` (the caret)
// when it is there, starting at `first` (where it started before) as long as that
// shows `keep`, and no later than needed to fill the room.
struct Window {
    std::size_t First = 0;
    std::size_t Last = 0;
};
Window Visible(const std::vector<float>& widths, std::size_t keep, std::size_t first, float room);

}  // namespace EdFieldText
