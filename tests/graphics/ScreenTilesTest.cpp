#include "graphics/OpaqueCover.h"
#include "graphics/ScreenTiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr int kCell = ScreenTiles::kCell;

// Every pixel of the back buffer lies in at most one rectangle, and in one exactly
// when its cell is in the set.
void ExpectRectsTileTheSet(const ScreenTiles& tiles, int width, int height) {
    std::vector<int> hits(static_cast<std::size_t>(width) * height, 0);
    for (const PixelRect& r : tiles.Rects()) {
        ASSERT_GE(r.x, 0);
        ASSERT_GE(r.y, 0);
        ASSERT_LE(r.x + r.width, width);
        ASSERT_LE(r.y + r.height, height);
        for (int y = r.y; y < r.y + r.height; ++y) {
            for (int x = r.x; x < r.x + r.width; ++x) {
                ++hits[static_cast<std::size_t>(y) * width + x];
            }
        }
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            ASSERT_EQ(hits[static_cast<std::size_t>(y) * width + x], tiles.Has(x / kCell, y / kCell) ? 1 : 0)
                << "pixel " << x << ", " << y;
        }
    }
}

TEST(ScreenTilesTest, MarksEveryCellAnAreaMeetsAndCutsTheSetIntoDisjointRects) {
    // A frame whose size is no multiple of the cell: the last cells are cut short.
    const int width = 13 * kCell + 5;
    const int height = 7 * kCell + 3;
    ScreenTiles tiles;
    tiles.Resize(width, height);
    tiles.MarkPixels(kCell - 0.5f, kCell, 3.0f * kCell + 0.5f, 2.0f * kCell);
    EXPECT_TRUE(tiles.Has(0, 1) && tiles.Has(3, 1));
    EXPECT_FALSE(tiles.Has(4, 1) || tiles.Has(1, 0));
    tiles.MarkPixels(-1e30f, 5.0f * kCell, 1e30f, 1e30f);  // clipped to the frame
    tiles.MarkPixels(2.0f * kCell, 0.0f, 5.0f * kCell, 4.0f * kCell);
    tiles.MarkPixels(std::nanf(""), 0.0f, 10.0f, 10.0f);  // nothing
    ExpectRectsTileTheSet(tiles, width, height);
    ScreenTiles other = tiles;
    other.Clear();
    other.MarkPixels(0.0f, 0.0f, 1e30f, 3.0f * kCell);
    tiles.Remove(other);
    EXPECT_FALSE(tiles.Has(3, 1));
    EXPECT_TRUE(tiles.Has(3, 3));
    ExpectRectsTileTheSet(tiles, width, height);
}

TEST(ScreenTilesTest, OpaqueCoverFillsCellsThatQuadsSideBySideCoverTogether) {
    OpaqueCover cover;
    cover.Resize(4 * kCell, 2 * kCell);
    // Two quads meeting inside the second cell column cover it together.
    cover.AddPixels(0, 0, kCell + 3, kCell);
    cover.AddPixels(kCell + 3, 0, 3 * kCell, kCell);
    // One pixel short of the last row of cell (0, 1).
    cover.AddPixels(0, kCell, kCell, 2 * kCell - 1);
    ScreenTiles full;
    cover.FullCells(full);
    EXPECT_TRUE(full.Has(0, 0) && full.Has(1, 0) && full.Has(2, 0));
    EXPECT_FALSE(full.Has(3, 0));
    EXPECT_FALSE(full.Has(0, 1));
}

}  // namespace
