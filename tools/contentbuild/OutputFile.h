#pragma once

#include <filesystem>
#include <string>

// Writes the whole file under a temporary name and renames it into place, so an
// interrupted build never leaves a truncated output that looks up to date.
// Throws ContentError naming the file on failure.
void WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes);

// Reads a whole file; throws ContentError naming the file on failure.
std::string ReadWholeFile(const std::filesystem::path& path);
