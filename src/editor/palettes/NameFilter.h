#pragma once

#include <string>

// The lists' filter: a name is listed when it contains the filter, both in lower case.
std::string ToLower(std::string text);
bool MatchesFilter(const std::string& name, const std::string& filter);
