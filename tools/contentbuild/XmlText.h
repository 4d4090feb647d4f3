#pragma once

#include <string>

// Escapes text for an XML attribute value in double quotes.
std::string EscapeXml(const std::string& text);
