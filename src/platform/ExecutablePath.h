#pragma once

#include <filesystem>

// The directory of the running executable.
std::filesystem::path ExecutableDirectory();

// The directory that holds the game's "Content": the executable's own when it has one
// (the build tree, a copied game), else "../share/vellimor" beside it (an installed
// game, under whatever prefix). Empty when neither holds it.
std::filesystem::path ContentHome(const std::filesystem::path& executableDirectory);
