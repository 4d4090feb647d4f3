#pragma once

#include <cstdint>
#include <vector>

struct Image;

// Which texels of an atlas page are opaque enough to be picked with the mouse: one
// bit per texel, set where alpha reaches Threshold. Made from the decoded image, so
// it needs no GPU; a 2048 x 2048 page takes 512 KiB.
class AlphaMask {
public:
    // About a quarter opaque: faint shadows and glows around a sprite do not count.
    static constexpr std::uint8_t Threshold = 64;

    AlphaMask() = default;
    explicit AlphaMask(const Image& image);

    bool IsEmpty() const { return width_ == 0 || height_ == 0; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // False outside the image.
    bool IsOpaque(int x, int y) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint64_t> bits_;
};
