#pragma once

#include "core/DrawLayer.h"
#include "core/TextXAlignment.h"
#include "core/TextYAlignment.h"

#include <cstdint>
#include <optional>
#include <string>

// The text forms of property values, as files and editor fields hold them.
// Every parser returns nothing when the text does not convert; the caller then keeps
// the value it had.
namespace PropertyText {

// At most nine significant digits ("%.9g"): enough to give every float back exactly.
// NaN and infinity print as "nan" and "inf", with a "-" when the sign bit is set.
std::string FormatFloat(float value);
// The shortest text that reads back as the same float ("0.2" where FormatFloat
// gives "0.200000003"): what the editor shows. NaN and infinity as FormatFloat.
std::string FormatShortestFloat(float value);
// The text with every number FormatFloat would print as it stands there (a word of
// its own, such as the "0.300000012" of "Polygon 0.300000012 -0.2") in its shortest
// form; every other character stays. Typed text such as "1.10" is no FormatFloat
// form and stays too.
std::string ShortenFloats(const std::string& text);
// A whole-text decimal or exponent form with an optional sign; "nan", "inf" and
// "infinity" in any case. Out-of-range text does not convert.
std::optional<float> ParseFloat(const std::string& text);

std::string FormatInt(int value);
std::optional<int> ParseInt(const std::string& text);

std::string FormatBool(bool value);
// True exactly for "true", "1" and "t"; any other text is false.
bool ParseBool(const std::string& text);
// "true", "false", "t", "f", "1" or "0": text that is meant as a bool.
bool IsBoolSpelling(const std::string& text);

// A newline becomes the two characters backslash and "n", and back.
std::string EscapeNewlines(const std::string& text);
std::string UnescapeNewlines(const std::string& text);

// Alpha as the fraction alpha / 255 in the float form.
std::string FormatAlpha(std::uint8_t alpha);
// Fraction x 255 truncated toward zero, wrapped into a byte as a plain integer
// conversion would; NaN, infinities and values too large for that do not convert.
std::optional<std::uint8_t> ParseAlpha(const std::string& text);
// The same conversion from the fraction itself.
std::optional<std::uint8_t> AlphaFromFraction(float fraction);

// Red, green, blue as six lowercase hexadecimal digits.
std::string FormatRgb(std::uint8_t r, std::uint8_t g, std::uint8_t b);
// The whole text as one hexadecimal number (either case): red from bits 16-23,
// green 8-15, blue 0-7.
std::optional<std::uint32_t> ParseRgb(const std::string& text);

// "" for a value that has no name (no layer, or several layers at once).
std::string FormatDrawLayer(DrawLayer layer);
// Exact name match, else DrawLayer::None.
DrawLayer ParseDrawLayer(const std::string& text);

std::string FormatTextXAlignment(TextXAlignment alignment);
TextXAlignment ParseTextXAlignment(const std::string& text);  // unknown: Left
std::string FormatTextYAlignment(TextYAlignment alignment);
TextYAlignment ParseTextYAlignment(const std::string& text);  // unknown: Top

}  // namespace PropertyText
