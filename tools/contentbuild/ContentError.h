#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

// A bad source file: the message always starts with the file's path, so the user
// knows which file to fix.
class ContentError : public std::runtime_error {
public:
    ContentError(const std::filesystem::path& file, const std::string& what)
        : std::runtime_error(file.string() + ": " + what), File(file) {}

    std::filesystem::path File;
};
