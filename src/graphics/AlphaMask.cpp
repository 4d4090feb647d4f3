#include "graphics/AlphaMask.h"

#include "graphics/Image.h"

AlphaMask::AlphaMask(const Image& image) : width_(image.Width), height_(image.Height) {
    const std::size_t texels = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    bits_.assign((texels + 63) / 64, 0);
    for (std::size_t i = 0; i < texels; ++i) {
        if (image.Rgba[i * 4 + 3] >= Threshold) {
            bits_[i / 64] |= std::uint64_t{1} << (i % 64);
        }
    }
}

bool AlphaMask::IsOpaque(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return false;
    }
    const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    return ((bits_[i / 64] >> (i % 64)) & 1u) != 0;
}
