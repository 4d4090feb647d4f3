#include "graphics/CellFingerprints.h"

#include <algorithm>
#include <cmath>

void CellFingerprints::Resize(int width, int height) {
    width_ = width;
    height_ = height;
    columns_ = (width + ScreenTiles::kCell - 1) / ScreenTiles::kCell;
    rows_ = (height + ScreenTiles::kCell - 1) / ScreenTiles::kCell;
    current_.assign(static_cast<std::size_t>(columns_) * rows_, 0);
    previous_ = current_;
    framesSinceResize_ = 0;
}

void CellFingerprints::BeginFrame() {
    current_.swap(previous_);
    std::fill(current_.begin(), current_.end(), 0);
    framesSinceResize_ = std::min(framesSinceResize_ + 1, 2);
}

void CellFingerprints::Fold(float left, float top, float right, float bottom, std::uint64_t value) {
    // NaN and empty areas fail these comparisons and fold nothing.
    if (!(left < right && top < bottom) || right <= 0.0f || bottom <= 0.0f || left >= static_cast<float>(width_) ||
        top >= static_cast<float>(height_)) {
        return;
    }
    constexpr int kCell = ScreenTiles::kCell;
    const int column0 = std::max(0, static_cast<int>(std::floor(left)) / kCell);
    const int row0 = std::max(0, static_cast<int>(std::floor(top)) / kCell);
    const int column1 = std::min(columns_ - 1, (static_cast<int>(std::ceil(std::min(right, 1e9f))) - 1) / kCell);
    const int row1 = std::min(rows_ - 1, (static_cast<int>(std::ceil(std::min(bottom, 1e9f))) - 1) / kCell);
    for (int row = row0; row <= row1; ++row) {
        std::uint64_t* cell = current_.data() + static_cast<std::size_t>(row) * columns_;
        for (int column = column0; column <= column1; ++column) {
            cell[column] = Mix(cell[column], value);
        }
    }
}

void CellFingerprints::FoldAll(std::uint64_t value) {
    for (std::uint64_t& cell : current_) {
        cell = Mix(cell, value);
    }
}

ScreenTiles CellFingerprints::Changed() const {
    ScreenTiles changed;
    changed.Resize(width_, height_);
    if (framesSinceResize_ < 2) {
        changed.Fill();
        return changed;
    }
    for (int row = 0; row < rows_; ++row) {
        for (int column = 0; column < columns_; ++column) {
            const std::size_t i = static_cast<std::size_t>(row) * columns_ + column;
            if (current_[i] != previous_[i]) {
                changed.MarkCell(column, row);
            }
        }
    }
    return changed;
}

std::uint64_t CellFingerprints::Mix(std::uint64_t hash, std::uint64_t value) {
    // A multiply-rotate step: each value moves every later bit of the hash.
    hash ^= value + 0x9e3779b97f4a7c15ULL + (hash << 6) + (hash >> 2);
    hash *= 0xff51afd7ed558ccdULL;
    return hash ^ (hash >> 29);
}
