#include "ArtOutput.h"

void WriteSpriteImages(const Image& colour, const Image* normals, const Image* specular,
                       const std::filesystem::path& atlasDirectory, const std::string& name) {
    std::filesystem::create_directories(atlasDirectory);
    SavePng(colour, atlasDirectory / (name + ".png"));
    if (normals)
        SavePng(*normals, atlasDirectory / (name + "_NRM.png"));
    if (specular)
        SavePng(*specular, atlasDirectory / (name + "_SPEC.png"));
}

void WriteLitSprite(const Canvas& canvas, const std::filesystem::path& atlasDirectory, const std::string& name) {
    const Image normals = canvas.Normals(), specular = canvas.Specular();
    WriteSpriteImages(canvas.Colour(), &normals, &specular, atlasDirectory, name);
}

void WriteSprite(const Canvas& canvas, const std::filesystem::path& atlasDirectory, const std::string& name) {
    WriteSpriteImages(canvas.Colour(), nullptr, nullptr, atlasDirectory, name);
}
