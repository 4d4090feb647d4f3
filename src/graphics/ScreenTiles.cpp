#include "graphics/ScreenTiles.h"

#include <algorithm>
#include <cmath>

void ScreenTiles::Resize(int width, int height) {
    width_ = width;
    height_ = height;
    columns_ = (width + kCell - 1) / kCell;
    rows_ = (height + kCell - 1) / kCell;
    cells_.assign(static_cast<std::size_t>(columns_) * rows_, 0);
}

void ScreenTiles::Clear() {
    std::fill(cells_.begin(), cells_.end(), 0);
}

void ScreenTiles::Fill() {
    std::fill(cells_.begin(), cells_.end(), 1);
}

void ScreenTiles::MarkPixels(float left, float top, float right, float bottom) {
    // NaN and empty areas fail these comparisons and mark nothing.
    if (!(left < right && top < bottom) || right <= 0.0f || bottom <= 0.0f || left >= static_cast<float>(width_) ||
        top >= static_cast<float>(height_)) {
        return;
    }
    const int column0 = std::max(0, static_cast<int>(std::floor(left)) / kCell);
    const int row0 = std::max(0, static_cast<int>(std::floor(top)) / kCell);
    // The last pixel the area reaches, right and bottom being exclusive.
    const int column1 = std::min(columns_ - 1, (static_cast<int>(std::ceil(std::min(right, 1e9f))) - 1) / kCell);
    const int row1 = std::min(rows_ - 1, (static_cast<int>(std::ceil(std::min(bottom, 1e9f))) - 1) / kCell);
    for (int row = row0; row <= row1; ++row) {
        std::fill_n(cells_.begin() + Index(column0, row), column1 - column0 + 1, 1);
    }
}

void ScreenTiles::Add(const ScreenTiles& other) {
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        cells_[i] |= other.cells_[i];
    }
}

void ScreenTiles::Remove(const ScreenTiles& other) {
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        cells_[i] &= static_cast<std::uint8_t>(other.cells_[i] ^ 1);
    }
}

void ScreenTiles::Keep(const ScreenTiles& other) {
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        cells_[i] &= other.cells_[i];
    }
}

float ScreenTiles::Share() const {
    if (cells_.empty()) {
        return 1.0f;
    }
    const auto in = std::count_if(cells_.begin(), cells_.end(), [](std::uint8_t cell) { return cell != 0; });
    return static_cast<float>(in) / static_cast<float>(cells_.size());
}

std::vector<PixelRect> ScreenTiles::Rects() const {
    struct Run {
        int first, last, top;
        bool continued;
    };
    std::vector<PixelRect> rects;
    std::vector<Run> open;
    const auto close = [&](const Run& run, int bottomRow) {
        const int x = run.first * kCell;
        const int y = run.top * kCell;
        rects.push_back(PixelRect{x, y, std::min((run.last + 1) * kCell, width_) - x,
                                  std::min(bottomRow * kCell, height_) - y});
    };
    for (int row = 0; row <= rows_; ++row) {
        for (Run& run : open) {
            run.continued = false;
        }
        std::vector<Run> next;
        for (int column = 0; row < rows_ && column < columns_;) {
            if (!Has(column, row)) {
                ++column;
                continue;
            }
            int last = column;
            while (last + 1 < columns_ && Has(last + 1, row)) {
                ++last;
            }
            Run run{column, last, row, false};
            for (Run& above : open) {
                if (above.first == column && above.last == last) {
                    above.continued = true;
                    run.top = above.top;
                }
            }
            next.push_back(run);
            column = last + 1;
        }
        for (const Run& run : open) {
            if (!run.continued) {
                close(run, row);
            }
        }
        open = std::move(next);
    }
    return rects;
}
