#include "graphics/EditorTextureCache.h"
#include "graphics/Texture.h"
#include "graphics/TextureManager.h"
#include "support/TestAtlas.h"

#include <gtest/gtest.h>

namespace {

class EditorTextureCacheTest : public ::testing::Test {
protected:
    EditorTextureCacheTest() {
        // 1PixelWhite is texel (5, 1) of an 8 x 8 sheet: its centre is (5.5/8, 1.5/8).
        WriteText(scratch.Path / "Editor" / "Editor.xml",
                  AtlasXml("Editor.png", "<sprite n=\"1PixelWhite\" x=\"5\" y=\"1\" w=\"1\" h=\"1\"/>"));
        WriteSheet(scratch.Path / "Editor" / "Editor.sheet", SolidImage(8, 8, 255, 255, 255));
    }

    std::unique_ptr<TextureManager> MakeManager() {
        return std::make_unique<TextureManager>(scratch.Path, std::make_unique<FakeUploader>());
    }

    ScratchDirectory scratch;
    EditorTextureCache cache;
};

TEST_F(EditorTextureCacheTest, FollowsTheEditorBankThroughLoadUnloadAndReload) {
    auto textures = MakeManager();
    cache.Refresh(textures.get());
    EXPECT_EQ(cache.ColorImage(), 0u) << "no bank yet";

    textures->LoadTextureBank("Editor");
    cache.Refresh(textures.get());
    const unsigned first = textures->GetTexture("Editor")->ColorImage;
    ASSERT_NE(first, 0u);
    EXPECT_EQ(cache.ColorImage(), first);
    EXPECT_EQ(cache.WhiteTexel(), Vector2(5.5f / 8.0f, 1.5f / 8.0f));

    textures->UnloadTextureBank("Editor");
    cache.Refresh(textures.get());
    EXPECT_EQ(cache.ColorImage(), 0u);
    EXPECT_EQ(cache.WhiteTexel(), Vector2());

    textures->LoadTextureBank("Editor");
    Texture& editor = *textures->GetTexture("Editor");
    textures->ReloadTexture(editor, nullptr);
    cache.Refresh(textures.get());
    EXPECT_EQ(cache.ColorImage(), editor.ColorImage);
    EXPECT_NE(cache.ColorImage(), first) << "a reloaded atlas has a new image";
}

TEST_F(EditorTextureCacheTest, ANewManagerIsNeverTakenForTheOldOne) {
    auto textures = MakeManager();
    textures->LoadTextureBank("Editor");
    cache.Refresh(textures.get());
    ASSERT_NE(cache.ColorImage(), 0u);

    // The tests replace the game's manager the same way; the new one may even reuse
    // the old one's address.
    textures.reset();
    textures = MakeManager();
    cache.Refresh(textures.get());
    EXPECT_EQ(cache.ColorImage(), 0u);
    cache.Refresh(nullptr);
    EXPECT_EQ(cache.WhiteTexel(), Vector2());
}

}  // namespace
