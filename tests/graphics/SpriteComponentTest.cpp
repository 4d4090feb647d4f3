#include "core/GameObject.h"
#include "graphics/Pos2dComponent.h"
#include "graphics/SpriteComponent.h"
#include "graphics/Texture.h"

#include <gtest/gtest.h>

namespace {

// An atlas of three sub-images, "A", "B", "C", side by side.
void FillAtlas(Texture& texture) {
    texture.Name = "Strip";
    for (int i = 0; i < 3; ++i) {
        texture.ImageRects.emplace_back(i / 3.0f, 0.0f, 1 / 3.0f, 1.0f);
        texture.TrimRects.emplace_back(0.0f, 0.0f, 1.0f, 1.0f);
        texture.ImageNames.push_back(std::string(1, static_cast<char>('A' + i)));
        texture.ImageIndex[texture.ImageNames.back()] = i;
    }
    texture.TrimRects[2] = Rect(0.25f, 0.0f, 0.5f, 1.0f);
}

GameObject* Positioned(GameObject* parent, Vector2 pos, bool relative) {
    auto* object = new GameObject();
    auto* p = new Pos2dComponent();
    p->Pos = pos;
    p->IsRelative = relative;
    object->AddComponent(p);
    if (parent != nullptr) {
        parent->AddChild(object);
    }
    return object;
}

TEST(SpriteComponentTest, ImageNameBeforeTextureWaitsForIt) {
    Texture texture;
    FillAtlas(texture);
    SpriteComponent sprite;
    sprite.SetImageName("C");
    EXPECT_EQ(sprite.GetImageName(), "C");
    EXPECT_EQ(sprite.ImageIndex, -1);
    sprite.SetTex(&texture);
    EXPECT_EQ(sprite.ImageIndex, 2);
    EXPECT_EQ(sprite.ImageRect, texture.ImageRects[2]);
    EXPECT_EQ(sprite.TrimRect, texture.TrimRects[2]);
    EXPECT_EQ(sprite.PendingImageName(), nullptr);
    EXPECT_EQ(sprite.GetImageName(), "C");
}

TEST(SpriteComponentTest, SelectionEdgeCases) {
    Texture texture;
    FillAtlas(texture);
    SpriteComponent sprite;
    sprite.SetTex(&texture);
    // No image chosen: the whole atlas shows and the name is empty.
    EXPECT_EQ(sprite.ImageRect, Rect(0, 0, 1, 1));
    EXPECT_EQ(sprite.GetImageName(), "");
    // An unknown name shows sub-image 0 without adding the name to the atlas.
    sprite.SetImageName("Nope");
    EXPECT_EQ(sprite.ImageIndex, 0);
    EXPECT_EQ(texture.FindImage("Nope"), -1);
    sprite.SelectImage(7);
    EXPECT_EQ(sprite.ImageIndex, 0);
    sprite.SetImageName("B");
    // Taking the texture away keeps the old rectangles.
    sprite.SetTex(nullptr);
    EXPECT_EQ(sprite.ImageRect, texture.ImageRects[1]);
    EXPECT_EQ(sprite.GetImageName(), "");
}

TEST(SpriteComponentTest, PendingNameGoesWithTheSprite) {
    Texture texture;
    FillAtlas(texture);
    auto* first = new SpriteComponent();
    first->SetImageName("B");
    delete first;
    // A new sprite that happens to reuse the address must not inherit the name.
    auto* second = new SpriteComponent();
    EXPECT_EQ(second->PendingImageName(), nullptr);
    second->SetTex(&texture);
    EXPECT_EQ(second->ImageIndex, -1);
    delete second;
}

TEST(SpriteComponentTest, WorldPositionsFollowRelativeChains) {
    std::unique_ptr<GameObject> a(Positioned(nullptr, {5, 0}, false));
    GameObject* b = Positioned(a.get(), {1, 0}, true);
    auto* plain = new GameObject();
    b->AddChild(plain);
    GameObject* c = Positioned(plain, {0, 2}, true);
    EXPECT_EQ(c->GetPosition(), Vector2(6, 2));
    b->Pos2d()->IsRelative = false;
    EXPECT_EQ(c->GetPosition(), Vector2(1, 2));
}

TEST(SpriteComponentTest, WorldBoundsIgnoreRotationAndMirroring) {
    std::unique_ptr<GameObject> object(Positioned(nullptr, {10, 20}, false));
    object->Pos2d()->Rotation = 1.0f;
    auto* sprite = new SpriteComponent();
    sprite->Size = Vector2(-4, 2);
    sprite->Origin = Vector2(1, -1);
    object->AddComponent(sprite);
    EXPECT_EQ(sprite->GetWorldBounds(), Rect(7, 20, 4, 2));
}

}  // namespace
