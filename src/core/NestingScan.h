#pragma once

#include <string_view>

// Finds where a JSON or XML text nests deeper than a limit, in one pass without
// recursion. The property tree's parsers recurse once per level, so a file nested a
// hundred thousand deep would overflow the stack before they could report it; a file
// is scanned first and refused when it goes too deep. Brackets inside strings, tags
// inside comments and CDATA do not count. A malformed text is left to the parser, which
// stops at its first fault, so the scan only has to be right where the text is valid.
namespace NestingScan {

// The line (from 1) on which `text` opens its array or object number limit + 1 counted
// from the outside in; 0 when it never nests that deep.
int JsonLineBeyond(std::string_view text, int limit);

// The same for XML elements.
int XmlLineBeyond(std::string_view text, int limit);

}  // namespace NestingScan
