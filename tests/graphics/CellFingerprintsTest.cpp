#include "graphics/BatchFingerprint.h"
#include "graphics/CellFingerprints.h"
#include "graphics/ScreenMapping.h"
#include "graphics/SpriteBatch.h"
#include "graphics/Texture.h"

#include <gtest/gtest.h>

namespace {

constexpr int kCell = ScreenTiles::kCell;

// The cells of `tiles`, row by row, as "column,row" pairs.
std::vector<std::pair<int, int>> CellsOf(const ScreenTiles& tiles) {
    std::vector<std::pair<int, int>> cells;
    for (int row = 0; row < tiles.Rows(); ++row) {
        for (int column = 0; column < tiles.Columns(); ++column) {
            if (tiles.Has(column, row)) {
                cells.emplace_back(column, row);
            }
        }
    }
    return cells;
}

TEST(CellFingerprintsTest, OnlyCellsWhoseFoldsChangedAreChanged) {
    CellFingerprints prints;
    prints.Resize(8 * kCell, 4 * kCell);
    const auto frame = [&](float x, std::uint64_t first, std::uint64_t second) {
        prints.BeginFrame();
        prints.Fold(x, 0.0f, x + kCell, kCell, first);
        prints.Fold(0.0f, 2 * kCell, kCell, 3 * kCell, first);
        prints.Fold(0.0f, 2 * kCell, kCell, 3 * kCell, second);
        return CellsOf(prints.Changed());
    };
    EXPECT_EQ(frame(0.0f, 1, 2).size(), 32u) << "the first frame draws every cell";
    EXPECT_TRUE(frame(0.0f, 1, 2).empty());
    // Moved one cell right: its old and its new cell; the other quad's order swapped.
    EXPECT_EQ(frame(kCell, 1, 2), (std::vector<std::pair<int, int>>{{0, 0}, {1, 0}}));
    EXPECT_EQ(frame(kCell, 2, 1), (std::vector<std::pair<int, int>>{{1, 0}, {0, 2}}));
}

// Two overlapping quads of two textures, in one tree order or the other, after
// `before` objects that draw elsewhere.
void Batch(SpriteBatch& batch, const Texture& a, const Texture& b, int before, bool swapped) {
    batch.BeginBatch();
    batch.DepthCounter = 1.0f;
    for (int i = 0; i < before; ++i) {
        batch.DepthCounter -= 0.000001f;
    }
    const auto add = [&](const Texture& texture, Vector2 at) {
        batch.AddQuad(&texture, Rect(0, 0, 1, 1), 0.0f, Color(255, 255, 255, 255), {16, 16}, {8, 8}, at);
        batch.DepthCounter -= 0.000001f;
    };
    add(swapped ? b : a, {40, 40});
    add(swapped ? a : b, {44, 40});
}

TEST(CellFingerprintsTest, BatchesFoldTreeOrderButNotTheDepthValues) {
    Texture a;
    Texture b;
    a.Size = b.Size = Vector2(16, 16);
    ScreenMapping mapping;
    mapping.Camera = CameraConstants{{{2.0f / 128, 0.0f}, {0.0f, 2.0f / 128}}, Vector2(64, 64)};
    mapping.Viewport = Rect(0, 0, 128, 128);
    CellFingerprints prints;
    prints.Resize(128, 128);
    SpriteBatch batch;
    const auto frame = [&](int before, bool swapped) {
        Batch(batch, a, b, before, swapped);
        prints.BeginFrame();
        FoldBatch(batch, mapping, 7, 0.0f, prints);
        return CellsOf(prints.Changed());
    };
    frame(0, false);
    EXPECT_TRUE(frame(5, false).empty()) << "objects earlier in the tree shift depth, not pixels";
    const auto swapped = frame(5, true);
    EXPECT_FALSE(swapped.empty()) << "the other quad on top";
    ScreenTiles underQuads;
    underQuads.Resize(128, 128);
    for (std::size_t group = 0; group < batch.GroupCount(); ++group) {
        const ScreenMapping::Area area = mapping.QuadArea(batch.GroupVertices(group).data());
        underQuads.MarkPixels(area.left, area.top, area.right, area.bottom);
    }
    for (const auto& [column, row] : swapped) {
        EXPECT_TRUE(underQuads.Has(column, row)) << column << "," << row;
    }
}

}  // namespace
