#include "editor/palettes/NameFilter.h"

#include <algorithm>
#include <cctype>

std::string ToLower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool MatchesFilter(const std::string& name, const std::string& filter) {
    return ToLower(name).find(ToLower(filter)) != std::string::npos;
}
