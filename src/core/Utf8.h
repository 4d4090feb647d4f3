#pragma once

#include <cstddef>
#include <string>

// Text is held as UTF-8 throughout: typed text, names, files and what fonts draw.
namespace Utf8 {

// What Decode gives for a byte that starts no well-formed sequence (a stray
// continuation byte, an overlong form, a surrogate, a cut sequence).
inline constexpr char32_t Invalid = 0xFFFD;

// The code point starting at text[at], and `at` moved past it (one byte for an
// ill-formed one, so a walk over any bytes always ends).
char32_t Decode(const std::string& text, std::size_t& at);

// The start of the code point before `at` (0 at the start).
std::size_t Previous(const std::string& text, std::size_t at);
// The index just past the code point at `at` (text.size() at the end).
std::size_t Next(const std::string& text, std::size_t at);

}  // namespace Utf8
