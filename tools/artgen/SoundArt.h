#pragma once

#include <filesystem>

// The game's sounds, and its music track with the loop file.
void WriteSounds(const std::filesystem::path& bankDirectory);
void WriteMusic(const std::filesystem::path& musicDirectory);
