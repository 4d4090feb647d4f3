#include "graphics/Pos2dComponent.h"
#include "graphics/SpriteBatch.h"
#include "graphics/SpriteComponent.h"
#include "graphics/Texture.h"
#include "support/PhysicsTestObjects.h"

#include <box2d/box2d.h>

namespace {

using BodyPlacedSpriteTest = PhysicsTest;

TEST_F(BodyPlacedSpriteTest, ASpriteWithoutAPositionComponentIsDrawnWhereItsBodyIs) {
    Texture texture;
    GameObject* crate = AddBody(gameplayRoot, 2, {3.0f, 4.0f}, {"Box 1 1"});
    crate->SetRotation(0.5f);
    auto* sprite = new SpriteComponent();
    sprite->SetTex(&texture);
    sprite->Layer = DrawLayer::Background;
    crate->AddComponent(sprite);
    SpriteBatch batch;
    batch.DrawTree(Engine::Root, LayerBit(DrawLayer::Background), Color(255, 255, 255, 255), {});
    ASSERT_EQ(batch.GroupCount(), 1u);
    const auto& v = batch.GroupVertices(0);
    EXPECT_FLOAT_EQ((v[0].x + v[3].x) / 2, 3.0f);
    EXPECT_FLOAT_EQ((v[0].y + v[3].y) / 2, 4.0f);
    EXPECT_FLOAT_EQ(v[0].sine, std::sin(0.5f));
}

}  // namespace
