#pragma once

#include "graphics/Image.h"

#include <filesystem>

// The tools use the engine's RGBA8 image, with file access that fails loudly.

// A transparent black image of that size.
Image BlankImage(int width, int height);

// Decodes any image stb_image reads; throws ContentError naming the file when it cannot.
Image LoadImage(const std::filesystem::path& path);

// Writes a PNG through a temporary file; throws ContentError naming the file when it cannot.
void SavePng(const Image& image, const std::filesystem::path& path);
