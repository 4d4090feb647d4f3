#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

// A content file that cannot be used: the message starts with the file's path and
// says what is wrong ("Content/Prefabs/Ant.json: No such node (Components)").
// ContentFile turns every failure of a JSON or XML file into one. At start-up nothing
// catches it, so it ends the process through the crash report; the editor and hot
// reload catch it and keep the old content.
class ContentError : public std::runtime_error {
public:
    ContentError(const std::filesystem::path& file, const std::string& problem)
        : std::runtime_error(file.string() + ": " + problem) {}
    // A fault on one line of a text file: "<path>:<line>: <problem>".
    ContentError(const std::filesystem::path& file, int line, const std::string& problem)
        : std::runtime_error(file.string() + ":" + std::to_string(line) + ": " + problem) {}
};
