#pragma once

#include <filesystem>
#include <vector>

// Writes 16-bit FLAC (samples in -1..1, interleaved when stereo) through a
// temporary file renamed into place; throws ContentError naming the file.
void WriteFlac(const std::filesystem::path& path, const std::vector<float>& samples, int channels, int rate);
