#pragma once

#include <filesystem>
#include <string>

// Reads a whole file; throws ContentError naming the file on failure.
std::string ReadWholeFile(const std::filesystem::path& path);

