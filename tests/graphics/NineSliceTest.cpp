#include "core/DrawPlacement.h"
#include "graphics/NineSlice.h"
#include "graphics/SpriteBatch.h"
#include "graphics/SpriteComponent.h"
#include "graphics/Texture.h"

#include <gtest/gtest.h>

namespace {

// A 128 x 64 atlas whose image "Panel" is its left half (64 x 64 texels).
void FillAtlas(Texture& texture) {
    texture.Size = Vector2(128.0f, 64.0f);
    texture.ImageRects.emplace_back(0.0f, 0.0f, 0.5f, 1.0f);
    texture.TrimRects.emplace_back(0.0f, 0.0f, 1.0f, 1.0f);
    texture.ImageNames.push_back("Panel");
    texture.ImageIndex["Panel"] = 0;
}

TEST(NineSliceTest, CornersKeepTheirTexelsWhileTheMiddleStretches) {
    const Rect uv(0.0f, 0.0f, 0.5f, 1.0f);
    for (const Vector2 size : {Vector2(64.0f, 64.0f), Vector2(480.0f, 440.0f)}) {
        const auto quads = NineSlice(uv, Vector2(128.0f, 64.0f), 16.0f, size);
        for (std::size_t corner : {0u, 2u, 6u, 8u}) {
            EXPECT_EQ(quads[corner].Size, Vector2(16.0f, 16.0f));
            EXPECT_FLOAT_EQ(quads[corner].Uv.width, 16.0f / 128.0f);
            EXPECT_FLOAT_EQ(quads[corner].Uv.height, 16.0f / 64.0f);
        }
        EXPECT_EQ(quads[4].Size, Vector2(size.x - 32.0f, size.y - 32.0f));
        EXPECT_EQ(quads[4].Uv, Rect(0.125f, 0.25f, 0.25f, 0.5f));
        // Top-left first, y up; the right column's last texel column is the image's.
        EXPECT_EQ(quads[0].Centre, Vector2(8.0f - size.x / 2.0f, size.y / 2.0f - 8.0f));
        EXPECT_EQ(quads[0].Uv.x, 0.0f);
        EXPECT_FLOAT_EQ(quads[8].Uv.x + quads[8].Uv.width, 0.5f);
        EXPECT_FLOAT_EQ(quads[8].Uv.y + quads[8].Uv.height, 1.0f);
        // The nine tile the sprite: each row's widths and each column's heights add up.
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_FLOAT_EQ(quads[i * 3].Size.x + quads[i * 3 + 1].Size.x + quads[i * 3 + 2].Size.x, size.x);
            EXPECT_FLOAT_EQ(quads[i].Size.y + quads[i + 3].Size.y + quads[i + 6].Size.y, size.y);
        }
    }
}

TEST(NineSliceTest, ASmallOrMirroredSpriteKeepsItsShape) {
    // Smaller than two corners: the corners take half each, the middle nothing. A
    // middle drawn 8 high shows the 8 middle texel rows, never all 32 squeezed.
    auto quads = NineSlice(Rect(0.0f, 0.0f, 0.5f, 1.0f), Vector2(128.0f, 64.0f), 16.0f, Vector2(20.0f, 40.0f));
    EXPECT_EQ(quads[0].Size, Vector2(10.0f, 16.0f));
    EXPECT_EQ(quads[0].Uv, Rect(0.0f, 0.0f, 0.125f, 0.25f));
    EXPECT_EQ(quads[4].Size, Vector2(0.0f, 8.0f));
    EXPECT_EQ(quads[3].Uv, Rect(0.0f, 0.4375f, 0.125f, 0.125f));
    // Mirrored in x: the image's left column is drawn on the right, mirrored.
    quads = NineSlice(Rect(0.0f, 0.0f, 0.5f, 1.0f), Vector2(128.0f, 64.0f), 16.0f, Vector2(-100.0f, 100.0f));
    EXPECT_EQ(quads[0].Size, Vector2(-16.0f, 16.0f));
    EXPECT_EQ(quads[0].Centre, Vector2(42.0f, 42.0f));
    EXPECT_EQ(quads[0].Uv.x, 0.0f);
}

// Under a screen camera (y down, mirrored) the top row of the image stays on top.
TEST(NineSliceTest, ASlicedSpriteSubmitsNineQuadsUprightOnAMirroredCamera) {
    Texture texture;
    FillAtlas(texture);
    SpriteComponent sprite;
    sprite.SetTex(&texture);
    sprite.SetImageName("Panel");
    sprite.Size = Vector2(200.0f, 100.0f);
    sprite.SliceBorder = 16.0f;
    SpriteBatch batch;
    batch.FlipY = true;
    DrawPlacement placement;
    placement.Position = Vector2(640.0f, 360.0f);
    sprite.SubmitQuads(batch, placement);
    const auto& v = batch.GroupVertices(0);
    ASSERT_EQ(v.size(), 9u * 4u);
    // The first quad is the top-left corner: its first vertex is the sprite's
    // top-left pixel, with the image's first texel.
    EXPECT_FLOAT_EQ(v[0].x, 540.0f);
    EXPECT_FLOAT_EQ(v[0].y, 310.0f);
    EXPECT_FLOAT_EQ(v[0].u, 0.0f);
    EXPECT_FLOAT_EQ(v[0].v, 0.0f);
    // The last is the bottom-right corner, ending at the sprite's bottom-right pixel.
    EXPECT_FLOAT_EQ(v.back().x, 740.0f);
    EXPECT_FLOAT_EQ(v.back().y, 410.0f);
    EXPECT_FLOAT_EQ(v.back().u, 0.5f);
    EXPECT_FLOAT_EQ(v.back().v, 1.0f);
}

}  // namespace
