#include "graphics/OpaqueCover.h"

#include <algorithm>

namespace {

constexpr int kCell = ScreenTiles::kCell;

// Bits first..last-1 of a cell row.
std::uint32_t Span(int first, int last) {
    const unsigned bits = (1u << last) - (1u << first);
    return bits;
}

}  // namespace

void OpaqueCover::Resize(int width, int height) {
    width_ = width;
    height_ = height;
    columns_ = (width + kCell - 1) / kCell;
    rows_ = (height + kCell - 1) / kCell;
    cells_.assign(static_cast<std::size_t>(columns_) * rows_, CellRows{});
}

void OpaqueCover::Clear() {
    std::fill(cells_.begin(), cells_.end(), CellRows{});
}

void OpaqueCover::AddPixels(int x0, int y0, int x1, int y1) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, width_);
    y1 = std::min(y1, height_);
    for (int y = y0; y < y1; ++y) {
        const int row = y / kCell;
        for (int column = x0 / kCell; column * kCell < x1; ++column) {
            const int first = std::max(x0 - column * kCell, 0);
            const int last = std::min(x1 - column * kCell, kCell);
            cells_[static_cast<std::size_t>(row) * columns_ + column][y % kCell] |= Span(first, last);
        }
    }
}

void OpaqueCover::FullCells(ScreenTiles& cells) const {
    cells.Resize(width_, height_);
    for (int row = 0; row < rows_; ++row) {
        for (int column = 0; column < columns_; ++column) {
            // Pixels past the back buffer's edge need no cover.
            const int width = std::min(kCell, width_ - column * kCell);
            const int height = std::min(kCell, height_ - row * kCell);
            const CellRows& rows = cells_[static_cast<std::size_t>(row) * columns_ + column];
            const std::uint32_t whole = Span(0, width);
            bool full = true;
            for (int y = 0; y < height && full; ++y) {
                full = (rows[y] & whole) == whole;
            }
            if (full) {
                cells.MarkCell(column, row);
            }
        }
    }
}
