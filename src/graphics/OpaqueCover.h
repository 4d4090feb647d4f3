#pragma once

#include "graphics/ScreenTiles.h"

#include <array>
#include <cstdint>
#include <vector>

// Which pixels of the back buffer opaque quads cover, kept exactly, to find the
// cells they cover whole together: several quads side by side fill a cell that none
// of them fills alone.
class OpaqueCover {
public:
    void Resize(int width, int height);
    void Clear();
    // The pixels [x0, x1) x [y0, y1), clipped to the back buffer.
    void AddPixels(int x0, int y0, int x1, int y1);
    // Sets `cells` to the cells whose every pixel is covered.
    void FullCells(ScreenTiles& cells) const;

private:
    using CellRows = std::array<std::uint32_t, ScreenTiles::kCell>;
    static_assert(ScreenTiles::kCell <= 16, "one bit a pixel of a row of a cell");

    int width_ = 0;
    int height_ = 0;
    int columns_ = 0;
    int rows_ = 0;
    std::vector<CellRows> cells_;
};
