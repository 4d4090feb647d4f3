#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

// A content file that cannot be used: the message starts with the file's path and
// says what is wrong ("Content/Prefabs/Ant.json: No such node (Components)"). Nothing
// in the game catches it, so at start-up it ends the process through the crash report.
class ContentError : public std::runtime_error {
public:
    ContentError(const std::filesystem::path& file, const std::string& problem)
        : std::runtime_error(file.string() + ": " + problem) {}
};
