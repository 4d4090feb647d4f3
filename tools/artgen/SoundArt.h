#pragma once

#include <filesystem>

// The game's sounds, its music track with the loop file, and the ant animations.
void WriteSounds(const std::filesystem::path& bankDirectory);
void WriteMusic(const std::filesystem::path& musicDirectory);
void WriteAnimations(const std::filesystem::path& animationDirectory);
