#include "editor/level/LevelPicking.h"
#include "graphics/Texture.h"
#include "graphics/TextureManager.h"
#include "support/GameplayScene.h"
#include "support/TestAtlas.h"

namespace {

// A 4 x 4 texel atlas whose top-left 2 x 2 texels alone are opaque; sprites of it
// 4 x 4 world units large show that quadrant as the square (-2, 0) to (0, 2) around
// their position. Its second frame (the right half) is wholly transparent.
Image QuadrantImage() {
    Image image = SolidImage(4, 4, 90, 60, 30, 0);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 2; ++x) image.Pixel(x, y)[3] = 255;
    }
    return image;
}

constexpr unsigned Unlocked = 0;
constexpr unsigned Bit(DrawLayer layer) { return static_cast<unsigned>(layer); }

class LevelPickingTest : public GameplayScene {
protected:
    LevelPickingTest() {
        level = Add(&root, "Level");
        Texture& quadrant = textures.AddTexture("Test", "Quadrant", QuadrantImage());
        quadrant.ImageRects = {Rect(0.0f, 0.0f, 0.5f, 1.0f), Rect(0.5f, 0.0f, 0.5f, 1.0f)};
        quadrant.TrimRects = {Rect(0.0f, 0.0f, 1.0f, 1.0f), Rect(0.0f, 0.0f, 1.0f, 1.0f)};
        quadrant.ImageNames = {"Left", "Right"};
        solid = &textures.AddTexture("Test", "Solid", SolidImage(2, 2, 200, 200, 200));
        texture = &quadrant;
    }

    // A level object at `at` showing the whole quadrant atlas (or `tex`) on `layer`.
    GameObject* AddSprite(const std::string& name, Vector2 at, DrawLayer layer, Texture* tex = nullptr) {
        GameObject* object = Add(level, name);
        Attach<Pos2dComponent>(object)->Pos = at;
        auto* sprite = Attach<SpriteComponent>(object);
        sprite->Size = {4.0f, 4.0f};
        sprite->Layer = layer;
        sprite->SetTex(tex != nullptr ? tex : texture);
        return object;
    }
    GameObject* PickAt(Vector2 p, unsigned locked = Unlocked) { return LevelPicking::PickAt(*level, p, locked); }

    TextureManager& textures = engine.Make(Engine::TextureManager, std::filesystem::temp_directory_path(),
                                           std::make_unique<FakeUploader>());
    GameObject* level = nullptr;
    Texture* texture = nullptr;
    Texture* solid = nullptr;
};

TEST_F(LevelPickingTest, TheTopmostAsDrawnWinsByLayerThenByDrawOrderAndTransparentTexelsFallThrough) {
    GameObject* ant = AddSprite("Ant", {0.0f, 0.0f}, DrawLayer::ForegroundLit);
    GameObject* soil = AddSprite("Soil", {0.0f, 0.0f}, DrawLayer::BackgroundLit, solid);  // later, drawn below
    EXPECT_EQ(PickAt({-1.0f, 1.0f}), ant) << "a higher layer beats a later object";
    EXPECT_EQ(PickAt({1.0f, 1.0f}), soil) << "the ant's transparent texel shows the soil";

    GameObject* leaf = AddSprite("Leaf", {0.5f, 0.0f}, DrawLayer::ForegroundLit);
    EXPECT_EQ(PickAt({-1.0f, 1.0f}), leaf) << "within a layer the later drawn is on top";
    EXPECT_EQ(PickAt({-1.75f, 1.0f}), ant) << "left of the leaf's opaque quadrant";

    auto* child = Add(soil, "Pebble");  // a part of the soil, relative to it, on the top layer
    auto* pos = Attach<Pos2dComponent>(child);
    pos->IsRelative = true;
    pos->Pos = {10.0f, 0.0f};
    Attach<SpriteComponent>(child)->Layer = DrawLayer::Foreground;
    child->Sprite()->SetTex(solid);
    EXPECT_EQ(PickAt({10.2f, 0.2f}), soil) << "a part's hit picks its level object, placed relative to it";

    Attach<TintComponent>(ant)->Tint = Color{255, 255, 255, 10};
    EXPECT_EQ(PickAt({-1.75f, 1.0f}), soil) << "a sprite tinted nearly invisible is not hit";
    EXPECT_EQ(PickAt({30.0f, 30.0f}), nullptr);
}

TEST_F(LevelPickingTest, RotationMirroringAndTheFrameMoveTheOpaqueTexels) {
    GameObject* rock = AddSprite("Rock", {0.0f, 0.0f}, DrawLayer::Background);
    SpriteComponent& sprite = *rock->Sprite();
    rock->Pos2d()->Rotation = 1.5707964f;  // a quarter turn: the top-left quadrant goes bottom-left
    EXPECT_EQ(PickAt({-1.0f, -1.0f}), rock);
    EXPECT_EQ(PickAt({-1.0f, 1.0f}), nullptr);

    rock->Pos2d()->Rotation = 0.0f;
    sprite.Size = {-4.0f, 4.0f};  // mirrored: the opaque quadrant is drawn top-right
    EXPECT_EQ(PickAt({1.0f, 1.0f}), rock);
    EXPECT_EQ(PickAt({-1.0f, 1.0f}), nullptr);

    graphics.WorldCamera.Size.x = -graphics.WorldCamera.Size.x;  // a mirroring camera turns it back
    EXPECT_EQ(PickAt({-1.0f, 1.0f}), rock);
    graphics.WorldCamera.Size.x = -graphics.WorldCamera.Size.x;

    sprite.Size = {4.0f, 4.0f};
    sprite.SelectImage(0);  // the left half, opaque at its top: over the whole width now
    EXPECT_EQ(PickAt({1.5f, 1.0f}), rock);
    EXPECT_EQ(PickAt({1.5f, -1.0f}), nullptr);
    sprite.SelectImage(1);
    EXPECT_EQ(PickAt({-1.0f, 1.0f}), nullptr) << "the right half is transparent throughout";
}

TEST_F(LevelPickingTest, LockedLayersArePassedOverByPickingBoxSelectAndTheFixtureFallback) {
    GameObject* soil = AddSprite("Soil", {0.0f, 0.0f}, DrawLayer::BackgroundLit, solid);
    GameObject* ant = AddSprite("Ant", {0.0f, 0.0f}, DrawLayer::ForegroundLit, solid);
    const unsigned ground = Bit(DrawLayer::BackgroundLit);
    EXPECT_EQ(PickAt({0.5f, 0.5f}, Bit(DrawLayer::ForegroundLit)), soil);
    EXPECT_EQ(PickAt({0.5f, 0.5f}, ground | Bit(DrawLayer::ForegroundLit)), nullptr);
    EXPECT_TRUE(LevelPicking::IsLocked(*soil, ground));
    EXPECT_FALSE(LevelPicking::IsLocked(*ant, ground));

    EXPECT_EQ(LevelPicking::InBox(*level, {-5.0f, -5.0f}, {5.0f, 5.0f}, ground), std::vector<GameObject*>{ant});
    EXPECT_EQ(LevelPicking::InBox(*level, {3.0f, 3.0f}, {2.1f, 2.1f}, Unlocked).size(), 0u) << "beyond both";

    // A wall draws nothing: only its fixture can be hit, and only where no sprite is.
    GameObject* wall = AddSolid(level, "Wall", {10.0f, 0.0f}, "Box 0.5 0.5");
    EXPECT_EQ(PickAt({10.2f, 0.3f}), wall);
    EXPECT_FALSE(LevelPicking::IsLocked(*wall, ~0u));
    GameObject* stone = AddSolid(level, "Stone", {10.0f, 0.0f}, "Box 0.5 0.5");
    EXPECT_EQ(PickAt({10.2f, 0.3f}), stone) << "the later fixture's object";
    Attach<SpriteComponent>(stone)->Layer = DrawLayer::BackgroundLit;  // no texture: draws nothing
    EXPECT_EQ(PickAt({10.2f, 0.3f}, ground), wall) << "an object wholly on a locked layer keeps out of the fallback";
    EXPECT_EQ(PickAt({11.6f, 0.0f}), nullptr);
}

}  // namespace
