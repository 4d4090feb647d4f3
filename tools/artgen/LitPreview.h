#pragma once

#include <filesystem>

// Renders a still scene from the committed sprite sources on the CPU with the
// lighting model of the game's lit pipeline (albedo, normals and specular lit by an
// ambient directional light and light sprites), to judge the art's relief without
// the game. Writes a PNG.
void RenderLitPreview(const std::filesystem::path& contentDirectory, const std::filesystem::path& png);
