#include "core/ContentError.h"
#include "core/ContentLog.h"
#include "core/GameObject.h"
#include "graphics/AtlasLoader.h"
#include "graphics/SpriteComponent.h"
#include "graphics/TextureManager.h"
#include "support/TestAtlas.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class TextureManagerTest : public ::testing::Test {
protected:
    TextureManagerTest() {
        ContentLog::SetSink([this](ContentLog::Level, const std::string& text) { warnings.push_back(text); });
        auto fake = std::make_unique<FakeUploader>();
        uploader = fake.get();
        textures = std::make_unique<TextureManager>(scratch.Path, std::move(fake));
    }

    void Atlas(const std::string& bank, const std::string& file, const std::string& imagePath,
               const std::string& sprites, int width = 64, int height = 32) {
        WriteText(scratch.Path / bank / file, AtlasXml(imagePath, sprites));
        std::filesystem::path sheet = scratch.Path / bank / imagePath;
        sheet.replace_extension("sheet");
        WriteSheet(sheet, SolidImage(width, height, 10, 20, 30));
    }

    std::string LoadError(const std::string& bank) {
        try {
            textures->LoadTextureBank(bank);
        } catch (const ContentError& e) {
            return e.what();
        }
        return "";
    }

    ~TextureManagerTest() override { ContentLog::SetSink(nullptr); }

    bool Warned(const std::string& part) const {
        return std::any_of(warnings.begin(), warnings.end(),
                           [&](const std::string& w) { return w.find(part) != std::string::npos; });
    }

    std::vector<std::string> warnings;
    ScratchDirectory scratch;
    FakeUploader* uploader = nullptr;
    std::unique_ptr<TextureManager> textures;
};

TEST_F(TextureManagerTest, ReadsRectanglesAndNamesInFileOrder) {
    Atlas("Main", "Things.xml", "Things.png",
          "<sprite n=\"Rock\" x=\"0\" y=\"0\" w=\"16\" h=\"8\"/>\n"
          "<other n=\"Ignored\" x=\"1\" y=\"1\" w=\"1\" h=\"1\"/>\n"
          "<sprite n=\"Leaf_COL_big\" x=\"16\" y=\"8\" w=\"10\" h=\"20\" oX=\"2\" oY=\"4\" oW=\"20\" oH=\"40\"/>\n");
    textures->LoadTextureBank("Main");
    Texture* texture = textures->GetTexture("Things");
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(texture->Size, Vector2(64, 32));
    EXPECT_NE(texture->ColorImage, 0u);
    EXPECT_EQ(texture->NormalImage, 0u);
    ASSERT_EQ(texture->ImageNames, (std::vector<std::string>{"Rock", "Leaf_big"}));
    EXPECT_EQ(texture->ImageRects[0], Rect(0, 0, 0.25f, 0.25f));
    EXPECT_EQ(texture->TrimRects[0], Rect(0, 0, 1, 1));
    EXPECT_EQ(texture->ImageRects[1], Rect(0.25f, 0.25f, 10 / 64.0f, 20 / 32.0f));
    EXPECT_EQ(texture->TrimRects[1], Rect(0.1f, 0.1f, 0.5f, 0.5f));
    EXPECT_EQ(texture->FindImage("Leaf_big"), 1);
    EXPECT_EQ(texture->FindImage("Missing"), -1);
    EXPECT_FALSE(texture->ImageIndex.contains("Missing"));
}

TEST_F(TextureManagerTest, NameRuleRemovesTheLastSuffixOnly) {
    EXPECT_EQ(AtlasLoader::RewriteImageName("Ant_COL"), "Ant");
    EXPECT_EQ(AtlasLoader::RewriteImageName("Ant_NRM"), "Ant");
    EXPECT_EQ(AtlasLoader::RewriteImageName("A_SPEC_COL_x"), "A_SPEC_x");
    EXPECT_EQ(AtlasLoader::RewriteImageName("Ant_col"), "Ant_col");
}

TEST_F(TextureManagerTest, RepeatedNameMapsToItsLastEntryAndKeepsBoth) {
    Atlas("Main", "Twice.xml", "Twice.png",
          "<sprite n=\"A\" x=\"0\" y=\"0\" w=\"1\" h=\"1\"/><sprite n=\"A\" x=\"2\" y=\"0\" w=\"1\" h=\"1\"/>");
    textures->LoadTextureBank("Main");
    const Texture* texture = textures->GetTexture("Twice");
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(texture->ImageRects.size(), 2u);
    EXPECT_EQ(texture->FindImage("A"), 1);
}

TEST_F(TextureManagerTest, BankRulesForFileNames) {
    const std::string sprite = "<sprite n=\"S\" x=\"0\" y=\"0\" w=\"1\" h=\"1\"/>";
    Atlas("Main", "Ants_COL.xml", "Ants_COL.png", sprite);
    WriteSheet(scratch.Path / "Main" / "Ants_NRM.sheet", SolidImage(64, 32, 128, 128, 255));
    WriteSheet(scratch.Path / "Main" / "Ants_SPEC.sheet", SolidImage(64, 32, 0, 0, 77));
    Atlas("Main", "Ants_NRM.xml", "Other_NRM.png", sprite);
    Atlas("Main", "Ants_SPEC.xml", "Other_SPEC.png", sprite);
    Atlas("Main", "Editor.XML", "Editor.png", sprite);
    Atlas("Main", "Lower_nrm.xml", "Lower.png", sprite);
    WriteText(scratch.Path / "Main" / "Notes.txt", "not an atlas");
    textures->LoadTextureBank("Main");

    const TextureBank& bank = *textures->Banks().at("Main");
    std::vector<std::string> names;
    for (const auto& [name, texture] : bank.Textures) {
        names.push_back(name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Ants", "Editor", "Lower_nrm"}));
    const Texture* ants = textures->GetTexture("Ants");
    ASSERT_NE(ants, nullptr);
    EXPECT_NE(ants->NormalImage, 0u);
    // The normal image carries the specular map's blue in its alpha.
    const auto merged = std::find_if(uploader->Uploads.begin(), uploader->Uploads.end(), [](const Image& image) {
        const std::uint8_t* p = image.Pixel(0, 0);
        return p[0] == 128 && p[1] == 128 && p[2] == 255 && p[3] == 77;
    });
    EXPECT_NE(merged, uploader->Uploads.end());
    EXPECT_EQ(textures->GetTexture("Editor")->NormalImage, 0u);
}

TEST_F(TextureManagerTest, LitAtlasWithoutMatchingMapsIsDrawnUnlit) {
    const std::string sprite = "<sprite n=\"S\" x=\"0\" y=\"0\" w=\"1\" h=\"1\"/>";
    Atlas("Main", "NoMaps_COL.xml", "NoMaps_COL.png", sprite);
    Atlas("Main", "Small_COL.xml", "Small_COL.png", sprite);
    WriteSheet(scratch.Path / "Main" / "Small_NRM.sheet", SolidImage(32, 32, 128, 128, 255));
    WriteSheet(scratch.Path / "Main" / "Small_SPEC.sheet", SolidImage(32, 32, 0, 0, 0));
    textures->LoadTextureBank("Main");
    EXPECT_EQ(textures->GetTexture("NoMaps")->NormalImage, 0u);
    EXPECT_NE(textures->GetTexture("NoMaps")->ColorImage, 0u);
    EXPECT_EQ(textures->GetTexture("Small")->NormalImage, 0u);
    EXPECT_TRUE(Warned("NoMaps_NRM.sheet"));
    EXPECT_TRUE(Warned("Small_COL.sheet"));
}

TEST_F(TextureManagerTest, UndecodableSheetLeavesTheTextureWithoutImage) {
    WriteText(scratch.Path / "Main" / "Broken.xml",
              AtlasXml("Broken.png", "<sprite n=\"S\" x=\"0\" y=\"0\" w=\"1\" h=\"1\"/>"));
    WriteText(scratch.Path / "Main" / "Broken.sheet", "this is no image");
    textures->LoadTextureBank("Main");
    const Texture* broken = textures->GetTexture("Broken");
    ASSERT_NE(broken, nullptr);
    EXPECT_EQ(broken->ColorImage, 0u);
    EXPECT_EQ(broken->ImageNames.size(), 1u);
    EXPECT_TRUE(Warned("Broken.sheet"));
}

TEST_F(TextureManagerTest, BadAtlasFilesNameTheFileAndTheProblem) {
    WriteText(scratch.Path / "NoX" / "A.xml", AtlasXml("A.png", "<sprite n=\"S\" y=\"0\" w=\"1\" h=\"1\"/>"));
    const std::string noX = LoadError("NoX");
    EXPECT_NE(noX.find("A.xml"), std::string::npos) << noX;
    EXPECT_NE(noX.find("\"x\""), std::string::npos) << noX;

    WriteText(scratch.Path / "NaN" / "B.xml", AtlasXml("B.png", "<sprite n=\"S\" x=\"1a\" y=\"0\" w=\"1\" h=\"1\"/>"));
    EXPECT_NE(LoadError("NaN").find("not an integer"), std::string::npos);

    WriteText(scratch.Path / "Malformed" / "C.xml", "<TextureAtlas imagePath=\"C.png\"><sprite");
    EXPECT_NE(LoadError("Malformed").find("C.xml"), std::string::npos);

    WriteText(scratch.Path / "NoRoot" / "D.xml", "<Other/>");
    EXPECT_NE(LoadError("NoRoot").find("TextureAtlas"), std::string::npos);
}

TEST_F(TextureManagerTest, BanksAreSearchedInNameOrderAndUnloaded) {
    Atlas("Zeta", "Shared.xml", "Shared.png", "", 8, 8);
    Atlas("Alpha", "Shared.xml", "Shared.png", "", 16, 16);
    textures->LoadTextureBank("Zeta");
    textures->LoadTextureBank("Alpha");
    EXPECT_EQ(textures->GetTexture("Shared")->Size, Vector2(16, 16));
    textures->LoadTextureBank("Alpha");  // already loaded: nothing changes
    EXPECT_EQ(uploader->Live.size(), 2u);
    textures->UnloadTextureBank("Alpha");
    EXPECT_EQ(textures->GetTexture("Shared")->Size, Vector2(8, 8));
    textures->UnloadTextureBank("Unknown");
    textures->UnloadTextureBank("Zeta");
    EXPECT_EQ(textures->GetTexture("Shared"), nullptr);
    EXPECT_TRUE(uploader->Live.empty());
}

TEST_F(TextureManagerTest, ReloadKeepsSpritesOnTheirImageByName) {
    Atlas("Main", "Ants_COL.xml", "Ants_COL.png",
          "<sprite n=\"Head\" x=\"0\" y=\"0\" w=\"8\" h=\"8\"/><sprite n=\"Tail\" x=\"8\" y=\"0\" w=\"8\" h=\"8\"/>");
    WriteSheet(scratch.Path / "Main" / "Ants_NRM.sheet", SolidImage(64, 32, 128, 128, 255));
    WriteSheet(scratch.Path / "Main" / "Ants_SPEC.sheet", SolidImage(64, 32, 0, 0, 0));
    textures->LoadTextureBank("Main");
    Texture* ants = textures->GetTexture("Ants");
    GameObject root;
    auto* child = new GameObject();
    root.AddChild(child);
    auto* sprite = new SpriteComponent();
    child->AddComponent(sprite);
    sprite->SetTex(ants);
    sprite->SetImageName("Tail");
    ASSERT_EQ(sprite->ImageIndex, 1);

    // The atlas is rebuilt with the sub-images in another order.
    Atlas("Main", "Ants_COL.xml", "Ants_COL.png",
          "<sprite n=\"Tail\" x=\"32\" y=\"0\" w=\"8\" h=\"8\"/><sprite n=\"Head\" x=\"0\" y=\"0\" w=\"8\" h=\"8\"/>");
    textures->ReloadTexture(*ants, &root);
    EXPECT_EQ(sprite->ImageIndex, 0);
    EXPECT_EQ(sprite->GetImageName(), "Tail");
    EXPECT_EQ(sprite->ImageRect, Rect(0.5f, 0, 0.125f, 0.25f));
    EXPECT_EQ(sprite->PendingImageName(), nullptr);
    EXPECT_NE(ants->NormalImage, 0u);
    // The old images are released, the new ones alive: colour and normal.
    EXPECT_EQ(uploader->Live.size(), 2u);
}

// Hot reload reads into scratch: a sheet that does not decode or an atlas that does
// not parse leaves the texture whole; an atlas new to its bank is added.
TEST_F(TextureManagerTest, FailedReloadKeepsTheTextureAndNewAtlasesJoinTheirBank) {
    Atlas("Main", "Things.xml", "Things.png", "<sprite n=\"Rock\" x=\"0\" y=\"0\" w=\"8\" h=\"8\"/>");
    textures->LoadTextureBank("Main");
    Texture* things = textures->GetTexture("Things");
    const unsigned image = things->ColorImage;

    WriteText(scratch.Path / "Main" / "Things.sheet", "\x89PNG truncated");
    EXPECT_THROW(textures->ReloadAtlas("Main", "Things", nullptr), ContentError);
    WriteText(scratch.Path / "Main" / "Things.xml", "<TextureAtlas");
    EXPECT_THROW(textures->ReloadTexture(*things, nullptr), ContentError);
    EXPECT_EQ(things->ColorImage, image);
    EXPECT_EQ(things->ImageNames, std::vector<std::string>{"Rock"});
    EXPECT_EQ(uploader->Live, std::set<unsigned>{image});

    Atlas("Main", "Fresh.xml", "Fresh.png", "<sprite n=\"Leaf\" x=\"0\" y=\"0\" w=\"8\" h=\"8\"/>");
    Texture* fresh = textures->ReloadAtlas("Main", "Fresh", nullptr);
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(textures->GetTexture("Fresh"), fresh);
    EXPECT_EQ(fresh->FindImage("Leaf"), 0);
    EXPECT_EQ(textures->ReloadAtlas("Elsewhere", "Fresh", nullptr), nullptr) << "a bank not loaded";
}

}  // namespace

namespace {

// An image counts as opaque when it and the texel ring around it are: a quad over it
// then covers its pixels whole. The flags, and the alpha mask picking reads, follow
// the atlas through a reload.
TEST_F(TextureManagerTest, OpaqueImagesNeedAnOpaqueRingAndTheyAndTheAlphaMaskFollowAReload) {
    const std::string sprites = "<sprite n=\"Inner\" x=\"1\" y=\"1\" w=\"8\" h=\"8\"/>"
                                "<sprite n=\"Edge\" x=\"0\" y=\"16\" w=\"8\" h=\"8\"/>";
    Atlas("Main", "Ground.xml", "Ground.png", sprites);
    textures->LoadTextureBank("Main");
    Texture* ground = textures->GetTexture("Ground");
    ASSERT_NE(ground, nullptr);
    EXPECT_EQ(ground->OpaqueImages, (std::vector<bool>{true, false})) << "a ring past the sheet's edge is not opaque";
    EXPECT_TRUE(ground->IsOpaqueArea(Rect(2 / 64.0f, 2 / 32.0f, 4 / 64.0f, 4 / 32.0f)));
    EXPECT_FALSE(ground->IsOpaqueArea(Rect(2 / 64.0f, 2 / 32.0f, 10 / 64.0f, 4 / 32.0f)));

    Image sheet = SolidImage(64, 32, 10, 20, 30);
    sheet.Pixel(9, 5)[3] = 254;  // in Inner's ring
    sheet.Pixel(20, 20)[3] = AlphaMask::Threshold - 1;
    WriteSheet(scratch.Path / "Main" / "Ground.sheet", sheet);
    const Vector2 texel(20.5f / 64.0f, 20.5f / 32.0f);
    EXPECT_TRUE(ground->IsOpaqueAt(texel));
    GameObject root;
    textures->ReloadTexture(*ground, &root);
    EXPECT_EQ(ground->OpaqueImages, (std::vector<bool>{false, false}));
    EXPECT_FALSE(ground->IsOpaqueAt(texel));
    EXPECT_TRUE(ground->IsOpaqueAt(Vector2(9.5f / 64.0f, 5.5f / 32.0f))) << "faint is not transparent";
}

}  // namespace
