#pragma once

#include <filesystem>
#include <string>

// Reads a whole file; throws ContentError naming the file on failure.
std::string ReadWholeFile(const std::filesystem::path& path);

// The file's extension in lower case, with its dot (".png").
std::string LowerExtension(const std::filesystem::path& file);
