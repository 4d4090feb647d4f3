#include "graphics/BitmapFont.h"
#include "graphics/FontManager.h"
#include "graphics/TextComponent.h"
#include "support/RenderFixture.h"

#include <cstdlib>

namespace {

namespace fs = std::filesystem;

// Shipped fonts drawn through the real passes.
class TextRenderTest : public RenderFixture {
protected:
    TextRenderTest() {
        const fs::path content = fs::read_symlink("/proc/self/exe").parent_path() / "Content";
        engine.Make(Engine::Fonts, content / "Fonts", std::make_unique<GlTextureUploader>());
        Engine::Fonts->LoadFontBank("Main");
    }
    ~TextRenderTest() override { Engine::Fonts->UnloadAllBanks(); }

    TextComponent* AddText(Vector2 pos, const std::string& font, const std::string& text) {
        GameObject* object = AddSprite(&root, nullptr, DrawLayer::Ui, pos, Vector2());
        auto* component = new TextComponent();
        component->Font = Engine::Fonts->GetFont(font);
        component->Text = text;
        component->Layer = DrawLayer::Ui;
        object->AddComponent(component);
        return component;
    }

    // Keeps a picture of the frame for a person to look at, when asked to.
    static void Keep(const Image& image, const char* name) {
        if (const char* dir = std::getenv("VELLIMOR_RENDER_PICTURES")) {
            WritePng((fs::path(dir) / name).string(), image);
        }
    }
};

TEST_F(TextRenderTest, UiTextLightsPixelsOnlyInsideItsBox) {
    TextComponent* text = AddText({200, 150}, "DejaVuSansBold32", "Ui Ui Ui Ui Ui Ui");
    ASSERT_NE(text->Font, nullptr);
    text->FontSize = 32.0f;
    text->BoxSize = {150.0f, 70.0f};
    text->AlignmentX = TextXAlignment::Left;
    text->AlignmentY = TextYAlignment::Top;
    const Image image = Render();
    Keep(image, "text-in-box.png");
    int inside[2] = {0, 0};
    for (int y = 0; y < image.Height; ++y) {
        for (int x = 0; x < image.Width; ++x) {
            if (At(image, x, y).r < 64) {
                continue;
            }
            const bool inBox = x >= 200 && x < 350 && y >= 150 && y < 220;
            ASSERT_TRUE(inBox) << "lit pixel at " << x << "," << y;
            ++inside[y < 182 ? 0 : 1];
        }
    }
    // Two lines fit the box, and both are drawn.
    EXPECT_GT(inside[0], 200);
    EXPECT_GT(inside[1], 200);
}

}  // namespace
