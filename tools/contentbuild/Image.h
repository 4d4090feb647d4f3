#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

// An RGBA8 image, rows top to bottom.
struct Image {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Pixels;

    Image() = default;
    Image(int width, int height) : Width(width), Height(height), Pixels(std::size_t(width) * height * 4, 0) {}

    std::uint8_t* At(int x, int y) { return &Pixels[(std::size_t(y) * Width + x) * 4]; }
    const std::uint8_t* At(int x, int y) const { return &Pixels[(std::size_t(y) * Width + x) * 4]; }
};

// Decodes any image stb_image reads; throws ContentError naming the file when it cannot.
Image LoadImage(const std::filesystem::path& path);

// Writes a PNG; throws ContentError naming the file when it cannot.
void SavePng(const Image& image, const std::filesystem::path& path);
