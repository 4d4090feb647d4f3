#pragma once

#include <cstdint>
#include <vector>

// A pixel rectangle of the back buffer, x and y from the top-left corner.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const PixelRect&) const = default;
};

// The back buffer cut into square cells, each in or out of the set: where a pass has
// work to do. Marks are generous, so that a cell left out is one no pixel of it needs.
class ScreenTiles {
public:
    static constexpr int kCell = 8;

    // Cells over a back buffer of this size, all out.
    void Resize(int width, int height);
    void Clear();
    void Fill();

    // Every cell that meets the pixel area [left, right) x [top, bottom).
    void MarkPixels(float left, float top, float right, float bottom);
    void MarkCell(int column, int row) { cells_[Index(column, row)] = 1; }
    void Add(const ScreenTiles& other);
    void Remove(const ScreenTiles& other);
    // Leaves only the cells also in `other`.
    void Keep(const ScreenTiles& other);
    // The share of the cells in the set, 0 to 1.
    float Share() const;

    bool Has(int column, int row) const { return cells_[Index(column, row)] != 0; }
    int Columns() const { return columns_; }
    int Rows() const { return rows_; }

    // The set as few rectangles: runs of a row, merged with identical runs below;
    // clipped to the back buffer.
    std::vector<PixelRect> Rects() const;

private:
    int Index(int column, int row) const { return row * columns_ + column; }

    int width_ = 0;
    int height_ = 0;
    int columns_ = 0;
    int rows_ = 0;
    std::vector<std::uint8_t> cells_;
};
