#pragma once

#include "Canvas.h"

#include <filesystem>
#include <string>

// Writes a drawn sprite as the sources of an atlas directory: name.png, and for a
// lit sprite also name_NRM.png and name_SPEC.png.
void WriteLitSprite(const Canvas& canvas, const std::filesystem::path& atlasDirectory, const std::string& name);
void WriteSprite(const Canvas& canvas, const std::filesystem::path& atlasDirectory, const std::string& name);
void WriteSpriteImages(const Image& colour, const Image* normals, const Image* specular,
                       const std::filesystem::path& atlasDirectory, const std::string& name);

// The art of each atlas; every function writes its atlas directory.
void DrawAnts(const std::filesystem::path& atlasDirectory);
void WriteAnimations(const std::filesystem::path& animationDirectory);  // over the ant frames
void DrawWorldObjects(const std::filesystem::path& atlasDirectory);
void DrawGround(const std::filesystem::path& atlasDirectory);
void DrawLights(const std::filesystem::path& atlasDirectory);
void DrawEffects(const std::filesystem::path& atlasDirectory);
void DrawHud(const std::filesystem::path& atlasDirectory);
void DrawEditor(const std::filesystem::path& atlasDirectory);
// The application icon at every size a desktop asks for, under <directory>/<N>x<N>/apps/.
void DrawIcons(const std::filesystem::path& directory);
