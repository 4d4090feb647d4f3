#include "graphics/Image.h"

#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

#include <cstring>

std::optional<Image> DecodeImageFile(const std::string& path) {
    int width = 0;
    int height = 0;
    int channels = 0;
    stbi_uc* pixels = stbi_load(path.c_str(), &width, &height, &channels, 4);
    if (pixels == nullptr) {
        return std::nullopt;
    }
    Image image;
    image.Width = width;
    image.Height = height;
    image.Rgba.assign(pixels, pixels + static_cast<std::size_t>(width) * height * 4);
    stbi_image_free(pixels);
    return image;
}

bool WritePng(const std::string& path, const Image& image) {
    return stbi_write_png(path.c_str(), image.Width, image.Height, 4, image.Rgba.data(), image.Width * 4) != 0;
}

void MergeSpecularIntoAlpha(Image& normal, const Image& specular) {
    const std::size_t pixels = static_cast<std::size_t>(normal.Width) * normal.Height;
    for (std::size_t i = 0; i < pixels; ++i) {
        normal.Rgba[i * 4 + 3] = specular.Rgba[i * 4 + 2];
    }
}
