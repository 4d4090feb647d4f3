#include "core/GameObject.h"
#include "graphics/SpriteComponent.h"
#include "graphics/TextureManager.h"
#include "support/PrefabTestContent.h"
#include "support/TestAtlas.h"

namespace {

// Sprites as prefabs and the editor see them: through their properties, with the
// texture found by name in the texture manager.
class SpritePropertiesTest : public PrefabTestContent {
protected:
    SpritePropertiesTest() {
        TextureManager& textures = engine.Make(Engine::TextureManager, dir, std::make_unique<FakeUploader>());
        auto texture = std::make_unique<Texture>();
        texture->Name = "Strip";
        for (int i = 0; i < 3; ++i) {
            texture->ImageRects.push_back(Rect{i / 3.0f, 0.0f, 1 / 3.0f, 1.0f});
            texture->TrimRects.push_back(Rect{0.0f, 0.0f, 1.0f, 1.0f});
            texture->ImageNames.push_back(std::string(1, static_cast<char>('A' + i)));
            texture->ImageIndex[texture->ImageNames.back()] = i;
        }
        strip = texture.get();
        textures.AddBank("Main").Textures["Strip"] = std::move(texture);
    }

    static std::string Text(const IEditable& editable, const std::string& name) {
        return editable.FindProperty(name)->GetSubProperty(name, 0).ToText();
    }

    Texture* strip = nullptr;
};

TEST_F(SpritePropertiesTest, PrefabValuesSelectTheImageWhateverTheirOrder) {
    // Properties are applied in name order: "ImageName" before "Tex".
    AddPrefab("Ant", R"({"Components": {"SpriteComponent": {"Tex": "Strip", "ImageName": "C",
        "Layer": "ForegroundLit", "Size": {"X": "2", "Y": "3"}, "Origin": {"X": "0.5", "Y": "0"}}},
        "AutoCreate": ""})");
    GameObject ant("Ant");
    SpriteComponent* sprite = ant.Sprite();
    ASSERT_NE(sprite, nullptr);
    EXPECT_EQ(sprite->GetTex(), strip);
    EXPECT_EQ(sprite->ImageIndex, 2);
    EXPECT_EQ(sprite->ImageRect, strip->ImageRects[2]);
    EXPECT_EQ(sprite->Layer, DrawLayer::ForegroundLit);
    EXPECT_EQ(sprite->Size, (Vector2{2, 3}));
    EXPECT_EQ(sprite->Origin, (Vector2{0.5f, 0}));
    EXPECT_EQ(Text(*sprite, "Tex"), "Strip");
    EXPECT_EQ(Text(*sprite, "ImageName"), "C");
    EXPECT_EQ(Text(*sprite, "Layer"), "ForegroundLit");
}

TEST_F(SpritePropertiesTest, UnknownTextureNameLeavesTheSpriteAsItWas) {
    SpriteComponent sprite;
    sprite.FindProperty("Tex")->GetSubProperty("Tex", 0).FromText("Strip");
    sprite.FindProperty("ImageName")->GetSubProperty("ImageName", 0).FromText("B");
    sprite.FindProperty("Tex")->GetSubProperty("Tex", 0).FromText("NoSuchTexture");
    EXPECT_EQ(sprite.GetTex(), strip);
    EXPECT_EQ(sprite.ImageIndex, 1);
    sprite.FindProperty("Layer")->GetSubProperty("Layer", 0).FromText("background");
    EXPECT_EQ(sprite.Layer, DrawLayer::None) << "layer names are case-sensitive";
}

}  // namespace
