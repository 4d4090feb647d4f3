#pragma once

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>

// A file's extension in lower case (".JSON" -> ".json"): content files are matched by
// extension in any case.
inline std::string LowerExtension(const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}
