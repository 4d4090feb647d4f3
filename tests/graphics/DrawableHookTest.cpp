#include "core/DrawPlacement.h"
#include "core/DrawableComponent.h"
#include "core/GameObject.h"
#include "core/QuadSink.h"
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

// Two unit quads one unit left and right of the placement, as a line of glyphs would
// be laid out; remembers the placement it was last given.
class TwoQuadComponent : public DrawableComponent {
public:
    explicit TwoQuadComponent(const Texture* texture) : DrawableComponent(DrawSlot::Text), texture_(texture) {}

    void SubmitQuads(QuadSink& sink, const DrawPlacement& placement) const override {
        Last = placement;
        for (const float side : {-1.0f, 1.0f}) {
            sink.AddQuad(texture_, Rect(0, 0, 1, 1), placement.Rotation, placement.Colour, {1, 1}, {-side, 0},
                         placement.Position);
        }
    }

    mutable DrawPlacement Last;

private:
    const Texture* texture_;
};

class DrawableHookTest : public ::testing::Test {
protected:
    GameObject* AddObject(GameObject* parent, Vector2 pos, bool relative = false) {
        auto* object = new GameObject();
        auto* p = new Pos2dComponent();
        p->Pos = pos;
        p->IsRelative = relative;
        object->AddComponent(p);
        parent->AddChild(object);
        return object;
    }

    TwoQuadComponent* AddTwoQuads(GameObject* object, DrawLayer layer) {
        auto* drawable = new TwoQuadComponent(&glyphs);
        drawable->Layer = layer;
        object->AddComponent(drawable);
        return drawable;
    }

    Vector2 Centre(std::size_t group, std::size_t quad) const {
        const auto& v = batch.GroupVertices(group);
        return {(v[quad * 4].x + v[quad * 4 + 3].x) / 2, (v[quad * 4].y + v[quad * 4 + 3].y) / 2};
    }

    SpriteBatch batch;
    GameObject root;
    Texture glyphs;
    Texture atlas;
};

TEST_F(DrawableHookTest, QuadsTakeTheObjectsPlacementTintAndDepth) {
    GameObject* parent = AddObject(&root, {5, 0});
    auto* tint = new TintComponent();
    tint->Tint = Color(255, 0, 0, 128);
    parent->AddComponent(tint);
    GameObject* object = AddObject(parent, {1, 2}, true);
    object->Pos2d()->Rotation = 3.14159265f / 2;
    TwoQuadComponent* drawable = AddTwoQuads(object, DrawLayer::Foreground);
    const unsigned mask = LayerBit(DrawLayer::Foreground) | LayerBit(DrawLayer::Ui);

    batch.DrawTree(&root, mask, kWhite, {});

    EXPECT_EQ(drawable->Last.LayerMask, mask);
    ASSERT_EQ(batch.GroupCount(), 1u);
    const auto& v = batch.GroupVertices(0);
    ASSERT_EQ(v.size(), 8u);
    // (6, 2) with the quads' offsets of one unit along x turned a quarter round.
    EXPECT_NEAR(Centre(0, 0).x, 6.0f, 1e-5f);
    EXPECT_NEAR(Centre(0, 0).y, 1.0f, 1e-5f);
    EXPECT_NEAR(Centre(0, 1).y, 3.0f, 1e-5f);
    EXPECT_NEAR(v[0].sine, 1.0f, 1e-6f);
    EXPECT_EQ(v[0].color, Color(255, 0, 0, 128).ToArgb());
    // Root and parent took a step of depth before the object; both quads share its depth.
    EXPECT_FLOAT_EQ(v[0].z, 1.0f - 0.000002f);
    EXPECT_EQ(v[4].z, v[0].z);

    // Picking works the placement out down the same chain: it must agree with the walk.
    Vector2 offset;
    Color colour = kWhite;
    for (const GameObject* at : {static_cast<const GameObject*>(&root), static_cast<const GameObject*>(parent)}) {
        colour = PlacementInTree(*at, mask, colour, offset).Colour;
    }
    const DrawPlacement placed = PlacementInTree(*object, mask, colour, offset);
    EXPECT_EQ(placed.Position, drawable->Last.Position);
    EXPECT_EQ(placed.Rotation, drawable->Last.Rotation);
    EXPECT_EQ(placed.Colour.ToArgb(), drawable->Last.Colour.ToArgb());
}

TEST_F(DrawableHookTest, OtherLayersAndHiddenSubtreesSubmitNothing) {
    GameObject* parent = AddObject(&root, {});
    AddTwoQuads(AddObject(parent, {}), DrawLayer::Foreground);
    batch.DrawTree(&root, kAllLayers & ~LayerBit(DrawLayer::Foreground), kWhite, {});
    EXPECT_EQ(batch.GroupCount(), 0u);
    EXPECT_FLOAT_EQ(batch.DepthCounter, 1.0f - 0.000003f) << "every object still takes its depth";

    parent->DrawEnabled = false;
    batch.DrawTree(&root, kAllLayers, kWhite, {});
    EXPECT_EQ(batch.GroupCount(), 0u);
}

TEST_F(DrawableHookTest, SpriteComesFirstAndOnlyTheFirstOfEachKindDraws) {
    GameObject* object = AddObject(&root, {});
    TwoQuadComponent* first = AddTwoQuads(object, DrawLayer::Background);
    auto* sprite = new SpriteComponent();
    sprite->SetTex(&atlas);
    object->AddComponent(sprite);
    AddTwoQuads(object, DrawLayer::Background);

    batch.DrawTree(&root, kAllLayers, kWhite, {});
    ASSERT_EQ(batch.GroupCount(), 2u);
    EXPECT_EQ(batch.GroupTexture(0), &atlas) << "the sprite before a text-like drawable attached earlier";
    EXPECT_EQ(batch.GroupVertices(1).size(), 8u) << "the second drawable of the same kind stays unused";

    // Like a shortcut, a removed drawable is not replaced by one attached after it.
    delete first;
    batch.BeginBatch();
    batch.DrawTree(&root, kAllLayers, kWhite, {});
    ASSERT_EQ(batch.GroupCount(), 1u);
    EXPECT_EQ(batch.GroupTexture(0), &atlas);
}

}  // namespace
