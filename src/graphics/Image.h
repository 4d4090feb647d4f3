#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A decoded picture: 4 bytes per pixel (red, green, blue, alpha), rows top to bottom.
struct Image {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Rgba;

    std::uint8_t* Pixel(int x, int y) { return &Rgba[(static_cast<std::size_t>(y) * Width + x) * 4]; }
    const std::uint8_t* Pixel(int x, int y) const {
        return &Rgba[(static_cast<std::size_t>(y) * Width + x) * 4];
    }
};

// Decodes any format stb_image knows, told apart by content (not by file name).
// Returns nothing when the file is missing or cannot be decoded.
std::optional<Image> DecodeImageFile(const std::string& path);

// Writes a PNG; returns false when the file cannot be written.
bool WritePng(const std::string& path, const Image& image);

// Copies the specular map's blue byte into the normal map's alpha, pixel by pixel.
// Both images must have the same size.
void MergeSpecularIntoAlpha(Image& normal, const Image& specular);
