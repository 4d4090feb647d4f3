#include "core/GameObject.h"
#include "graphics/Pos2dComponent.h"
#include "graphics/SpriteBatch.h"
#include "graphics/SpriteComponent.h"
#include "graphics/Texture.h"
#include "graphics/TintComponent.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr Color kWhite{255, 255, 255, 255};
constexpr unsigned kAllLayers = 0xFFF;

class SpriteBatchTest : public ::testing::Test {
protected:
    GameObject* Add(GameObject* parent, const Texture* texture, DrawLayer layer, Vector2 pos = {},
                    bool relative = false) {
        auto* object = new GameObject();
        auto* p = new Pos2dComponent();
        p->Pos = pos;
        p->IsRelative = relative;
        object->AddComponent(p);
        if (texture != nullptr) {
            auto* sprite = new SpriteComponent();
            sprite->SetTex(const_cast<Texture*>(texture));
            sprite->Layer = layer;
            object->AddComponent(sprite);
        }
        parent->AddChild(object);
        return object;
    }

    // Centre of quad `index` of a group.
    Vector2 Centre(std::size_t group, std::size_t index) const {
        const auto& v = batch.GroupVertices(group);
        const SpriteVertex& a = v[index * 4];
        const SpriteVertex& d = v[index * 4 + 3];
        return {(a.x + d.x) / 2, (a.y + d.y) / 2};
    }

    SpriteBatch batch;
    GameObject root;
    Texture red;
    Texture blue;
};

TEST_F(SpriteBatchTest, QuadCornersComeInFixedOrderWithTheirCoordinates) {
    batch.DepthCounter = 0.5f;
    batch.AddQuad(&red, Rect(0.1f, 0.2f, 0.3f, 0.4f), 0.0f, Color(1, 2, 3, 4), {4, 2}, {1, 0}, {10, 20});
    const auto& v = batch.GroupVertices(0);
    ASSERT_EQ(v.size(), 4u);
    const float expected[4][4] = {{7, 21, 0.1f, 0.2f}, {11, 21, 0.4f, 0.2f}, {7, 19, 0.1f, 0.6f}, {11, 19, 0.4f, 0.6f}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(v[i].x, expected[i][0]);
        EXPECT_FLOAT_EQ(v[i].y, expected[i][1]);
        EXPECT_FLOAT_EQ(v[i].u, expected[i][2]);
        EXPECT_FLOAT_EQ(v[i].v, expected[i][3]);
        EXPECT_EQ(v[i].z, 0.5f);
        EXPECT_EQ(v[i].w, 1.0f);
        EXPECT_EQ(v[i].color, 0x04010203u);
        EXPECT_EQ(v[i].cosine, 1.0f);
    }
}

TEST_F(SpriteBatchTest, RotationTurnsCornersAboutThePosition) {
    batch.AddQuad(&red, Rect(0, 0, 1, 1), 3.14159265f / 2, kWhite, {2, 2}, {1, 0}, {5, 5});
    const SpriteVertex& topLeft = batch.GroupVertices(0)[0];
    // (-2, 1) turned a quarter counter-clockwise is (-1, -2).
    EXPECT_NEAR(topLeft.x, 4.0f, 1e-5f);
    EXPECT_NEAR(topLeft.y, 3.0f, 1e-5f);
    EXPECT_NEAR(topLeft.sine, 1.0f, 1e-6f);
}

TEST_F(SpriteBatchTest, MirroredCameraMirrorsQuadsBack) {
    batch.FlipY = true;
    batch.AddQuad(&red, Rect(0, 0, 1, 1), 0.0f, kWhite, {2, 2}, {}, {0, 0});
    // The first corner (texture row 0) gets the smaller y: the top of a y-down screen.
    EXPECT_EQ(batch.GroupVertices(0)[0].y, -1.0f);
    EXPECT_EQ(batch.GroupVertices(0)[2].y, 1.0f);
}

TEST_F(SpriteBatchTest, GroupsFollowFirstUseAndDepthFollowsTreeOrder) {
    Add(&root, &red, DrawLayer::Background, {1, 0});
    Add(&root, &blue, DrawLayer::Background, {2, 0});
    Add(&root, &red, DrawLayer::Background, {3, 0});
    batch.BeginBatch();
    batch.DrawTree(&root, kAllLayers, kWhite, {});
    ASSERT_EQ(batch.GroupCount(), 2u);
    EXPECT_EQ(batch.GroupTexture(0), &red);
    EXPECT_EQ(batch.GroupTexture(1), &blue);
    EXPECT_EQ(Centre(0, 1), Vector2(3, 0));
    // Every object visited (the root included) takes one step of depth.
    EXPECT_FLOAT_EQ(batch.GroupVertices(0)[0].z, 1.0f - 0.000001f);
    EXPECT_LT(batch.GroupVertices(1)[0].z, batch.GroupVertices(0)[0].z);
    EXPECT_LT(batch.GroupVertices(0)[4].z, batch.GroupVertices(1)[0].z);
    EXPECT_EQ(batch.IndexedQuadsNeeded(), 2);

    batch.BeginBatch();
    EXPECT_EQ(batch.GroupCount(), 0u);
    batch.DepthCounter = 0.0000005f;
    batch.DrawTree(&root, kAllLayers, kWhite, {});
    EXPECT_EQ(batch.DepthCounter, 0.0f);
}

TEST_F(SpriteBatchTest, HiddenSubtreesAndUnknownLayersDrawNothing) {
    GameObject* hidden = Add(&root, &red, DrawLayer::Background);
    Add(hidden, &red, DrawLayer::Background);
    hidden->DrawEnabled = false;
    Add(&root, &red, DrawLayer::None);
    Add(&root, &red, DrawLayer::Foreground);
    Add(&root, nullptr, DrawLayer::Background);
    batch.DrawTree(&root, LayerBit(DrawLayer::Background), kWhite, {});
    EXPECT_EQ(batch.GroupCount(), 0u);
    batch.DrawTree(&root, kAllLayers, kWhite, {});
    ASSERT_EQ(batch.GroupCount(), 1u);
    EXPECT_EQ(batch.GroupVertices(0).size(), 4u);
}

TEST_F(SpriteBatchTest, PlacementAndTintPassDownTheTree) {
    GameObject* parent = Add(&root, nullptr, DrawLayer::Background, {5, 0});
    parent->Pos2d()->Rotation = 1.0f;
    auto* tint = new TintComponent();
    tint->Tint = Color(255, 0, 0, 128);
    parent->AddComponent(tint);
    // An object with neither position nor sprite passes offset and tint through.
    auto* group = new GameObject();
    parent->AddChild(group);
    GameObject* child = Add(group, &red, DrawLayer::Background, {1, 2}, true);
    auto* childTint = new TintComponent();
    childTint->Tint = Color(128, 128, 128, 255);
    child->AddComponent(childTint);
    Add(child, &blue, DrawLayer::Background, {0, 0}, false);
    batch.DrawTree(&root, kAllLayers, kWhite, {});
    EXPECT_EQ(Centre(0, 0), Vector2(6, 2));
    EXPECT_EQ(batch.GroupVertices(0)[0].color, Color(128, 0, 0, 128).ToArgb());
    // Rotation is the object's own, never inherited.
    EXPECT_EQ(batch.GroupVertices(0)[0].cosine, 1.0f);
    EXPECT_EQ(Centre(1, 0), Vector2(0, 0));
}

TEST_F(SpriteBatchTest, TrimmedSpritesSitInsideTheirFullFrame) {
    GameObject* object = Add(&root, &red, DrawLayer::Background, {0, 0});
    SpriteComponent* sprite = object->Sprite();
    sprite->Size = Vector2(4, 4);
    // The drawn quarter is the frame's top-right quarter.
    sprite->TrimRect = Rect(0.5f, 0.0f, 0.5f, 0.5f);
    batch.DrawTree(&root, kAllLayers, kWhite, {});
    const auto& v = batch.GroupVertices(0);
    EXPECT_FLOAT_EQ(v[0].x, 0.0f);
    EXPECT_FLOAT_EQ(v[0].y, 2.0f);
    EXPECT_FLOAT_EQ(v[3].x, 2.0f);
    EXPECT_FLOAT_EQ(v[3].y, 0.0f);
}

TEST_F(SpriteBatchTest, GroupsKnowWhetherAnyQuadShrinksItsTexels) {
    red.Size = Vector2(64, 64);
    blue.Size = Vector2(64, 64);
    batch.PixelsPerUnit = Vector2(32, 32);
    // Two units are 64 pixels: the whole texture at 1:1, mirrored or not.
    batch.AddQuad(&red, Rect(0, 0, 1, 1), 0.5f, kWhite, {2, -2}, {}, {});
    // Half the texture over one unit is 1:1 as well.
    batch.AddQuad(&red, Rect(0.5f, 0, 0.5f, 0.5f), 0.0f, kWhite, {1, 1}, {}, {});
    EXPECT_FALSE(batch.GroupIsMinified(0));
    batch.AddQuad(&blue, Rect(0, 0, 1, 1), 0.0f, kWhite, {4, 4}, {}, {});
    batch.AddQuad(&blue, Rect(0, 0, 1, 1), 0.0f, kWhite, {4, 1.9f}, {}, {});
    EXPECT_TRUE(batch.GroupIsMinified(1));
    batch.BeginBatch();
    batch.AddQuad(&blue, Rect(0, 0, 1, 1), 0.0f, kWhite, {4, 4}, {}, {});
    EXPECT_FALSE(batch.GroupIsMinified(0));
}

TEST(SpriteBatchIndicesTest, TwoTrianglesPerQuadAndCapacityCap) {
    EXPECT_EQ(SpriteBatch::QuadCapacity, 7281);
    EXPECT_EQ(SpriteBatch::QuadIndices(2), (std::vector<std::uint16_t>{0, 1, 2, 1, 3, 2, 4, 5, 6, 5, 7, 6}));
    const auto all = SpriteBatch::QuadIndices(SpriteBatch::QuadCapacity);
    EXPECT_EQ(all.back(), 4 * (SpriteBatch::QuadCapacity - 1) + 2);
    SpriteBatch batch;
    Texture texture;
    for (int i = 0; i < SpriteBatch::QuadCapacity + 5; ++i) {
        batch.AddQuad(&texture, Rect(), 0.0f, Color(), {1, 1}, {}, {});
    }
    EXPECT_EQ(batch.IndexedQuadsNeeded(), SpriteBatch::QuadCapacity);
}

}  // namespace
