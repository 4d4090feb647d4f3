#include "support/RenderFixture.h"

#include <vector>

namespace {

class PlainPassesRenderTest : public RenderFixture {
protected:
    Texture* White() { return MakeTexture("White", SolidImage(4, 4, 255, 255, 255)); }

    // A sprite centred on back-buffer pixel (px, py), sized in pixels, on any layer.
    GameObject* Square(Texture* texture, DrawLayer layer, float px, float py, float pixels, Color tint) {
        const bool screen = LayerBit(layer) >= LayerBit(DrawLayer::Ui) && layer != DrawLayer::EditorSelection;
        const Vector2 pos = screen ? Vector2(px, py) : World(px, py);
        const float size = screen ? pixels : pixels / 32.0f;
        return AddSprite(&root, texture, layer, pos, Vector2(size, size), tint);
    }
};

TEST_F(PlainPassesRenderTest, LaterPassesDrawOverEarlierOnes) {
    Texture* white = White();
    // In each pair the later pass comes first in the tree and still ends on top.
    const std::vector<std::pair<DrawLayer, Color>> passes = {
        {DrawLayer::Background, {100, 0, 0, 255}},  {DrawLayer::ForegroundAdd, {0, 100, 0, 255}},
        {DrawLayer::Foreground, {0, 0, 200, 255}},  {DrawLayer::Ui, {200, 200, 0, 255}},
        {DrawLayer::Editor, {0, 200, 200, 255}},    {DrawLayer::EditorText, {200, 0, 200, 255}},
        {DrawLayer::Editor2, {50, 50, 50, 255}},    {DrawLayer::EditorText2, {250, 250, 250, 255}},
    };
    for (std::size_t i = 0; i + 1 < passes.size(); ++i) {
        const float x = 80.0f + 120.0f * static_cast<float>(i);
        Square(white, passes[i + 1].first, x, 200, 64, passes[i + 1].second);
        Square(white, passes[i].first, x, 200, 64, passes[i].second);
    }
    const Image image = Render();
    // The additive layer adds to the background under it.
    ExpectColorNear(At(image, 80, 200), Color(100, 100, 0, 255), 1, "ForegroundAdd over Background");
    for (std::size_t i = 1; i + 1 < passes.size(); ++i) {
        const int x = 80 + 120 * static_cast<int>(i);
        ExpectColorNear(At(image, x, 200), passes[i + 1].second, 1, "pass pair " + std::to_string(i));
    }
}

TEST_F(PlainPassesRenderTest, SelectionLayerIsDrawnAsWireFrame) {
    Texture* white = White();
    Square(white, DrawLayer::EditorSelection, 400, 300, 96, Color(255, 0, 0, 255));
    Square(white, DrawLayer::Foreground, 400, 300, 96, Color(0, 0, 255, 255));
    const Image image = Render();
    // Off the diagonal the quad is hollow; its left edge is drawn.
    ExpectColorNear(At(image, 370, 330), Color(0, 0, 255, 255), 1, "inside");
    bool edge = false;
    for (int x = 350; x <= 354; ++x) {
        edge = edge || At(image, x, 300) == Color(255, 0, 0, 255);
    }
    EXPECT_TRUE(edge);
}

TEST_F(PlainPassesRenderTest, TreeOrderWinsOverGroupOrderInOneLayer) {
    Texture* red = MakeTexture("Red", SolidImage(4, 4, 255, 0, 0));
    Texture* blue = MakeTexture("Blue", SolidImage(4, 4, 0, 0, 255));
    // Blue is used first, so its group is drawn first; the later blue square must
    // still cover the red one.
    Square(blue, DrawLayer::Background, 100, 100, 32, Color(255, 255, 255, 255));
    Square(red, DrawLayer::Background, 500, 400, 64, Color(255, 255, 255, 255));
    Square(blue, DrawLayer::Background, 500, 400, 32, Color(255, 255, 255, 255));
    const Image image = Render();
    EXPECT_EQ(At(image, 500, 400), Color(0, 0, 255, 255));
    EXPECT_EQ(At(image, 478, 400), Color(255, 0, 0, 255));
}

TEST_F(PlainPassesRenderTest, HiddenSubtreesAndLayerlessSpritesDrawNothing) {
    Texture* white = White();
    graphics.BackgroundColor = Color(10, 20, 30, 255);
    auto* hidden = new GameObject();
    root.AddChild(hidden);
    hidden->DrawEnabled = false;
    for (DrawLayer layer : {DrawLayer::Background, DrawLayer::BackgroundLit, DrawLayer::ForegroundLit,
                            DrawLayer::SpriteLights, DrawLayer::ForegroundAdd, DrawLayer::Foreground, DrawLayer::Ui,
                            DrawLayer::EditorSelection, DrawLayer::Editor, DrawLayer::EditorText2}) {
        AddSprite(hidden, white, layer, Vector2(), Vector2(2000, 2000));
    }
    AddSprite(&root, white, DrawLayer::None, Vector2(), Vector2(2000, 2000));
    const Image image = Render();
    for (std::size_t i = 0; i < image.Rgba.size(); i += 4 * 997) {
        ASSERT_EQ(Color(image.Rgba[i], image.Rgba[i + 1], image.Rgba[i + 2], 255), graphics.BackgroundColor) << i;
    }
}

TEST_F(PlainPassesRenderTest, ChildrenArePlacedAndTintedThroughTheirParents) {
    Texture* white = White();
    GameObject* parent = AddSprite(&root, nullptr, DrawLayer::Ui, Vector2(300, 200), Vector2(), Color(255, 0, 0, 128));
    auto* between = new GameObject();
    parent->AddChild(between);
    AddSprite(between, white, DrawLayer::Ui, Vector2(100, 50), Vector2(20, 20), Color(128, 128, 128, 255), true);
    const Image image = Render();
    // (255, 0, 0, 128) x (128, 128, 128, 255) = (128, 0, 0, 128), blended over black.
    ExpectColorNear(At(image, 400, 250), Color(64, 0, 0, 255), 1, "child");
    EXPECT_EQ(At(image, 300, 200), Color(0, 0, 0, 255));
}

TEST_F(PlainPassesRenderTest, UiSpriteReproducesItsTexturePixelForPixelAndUpright) {
    Image pattern;
    pattern.Width = pattern.Height = 16;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            pattern.Rgba.insert(pattern.Rgba.end(), {static_cast<std::uint8_t>(x * 16), static_cast<std::uint8_t>(y * 16),
                                                     static_cast<std::uint8_t>((x + y) % 2 * 255), 255});
        }
    }
    Texture* texture = MakeTexture("Pattern", pattern);
    AddSprite(&root, texture, DrawLayer::Ui, Vector2(208, 108), Vector2(16, 16));
    const Image image = Render();
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const std::uint8_t* want = pattern.Pixel(x, y);
            ASSERT_EQ(At(image, 200 + x, 100 + y), Color(want[0], want[1], want[2], 255)) << x << "," << y;
        }
    }
}

TEST_F(PlainPassesRenderTest, GroupsBeyondTheVertexBufferAreDrawnInChunks) {
    Texture* white = White();
    // One-pixel sprites along rows; the last ones lie past the first chunk.
    const int count = SpriteBatch::QuadCapacity + 40;
    for (int i = 0; i < count; ++i) {
        AddSprite(&root, white, DrawLayer::Ui, Vector2(10.5f + i % 1000, 10.5f + 2 * (i / 1000)), Vector2(1, 1));
    }
    const Image image = Render();
    const int last = count - 1;
    EXPECT_EQ(At(image, 10, 10), Color(255, 255, 255, 255));
    EXPECT_EQ(At(image, 10 + last % 1000, 10 + 2 * (last / 1000)), Color(255, 255, 255, 255));
    EXPECT_EQ(At(image, 11 + last % 1000, 10 + 2 * (last / 1000)), Color(0, 0, 0, 255));
}

TEST_F(PlainPassesRenderTest, CameraOfZeroSizeDrawsNothingAndOthersStillDraw) {
    Texture* white = White();
    graphics.WorldCamera.Size = Vector2(0.0f, 22.5f);
    AddSprite(&root, white, DrawLayer::Background, Vector2(), Vector2(1000, 1000));
    AddSprite(&root, white, DrawLayer::Ui, Vector2(100, 100), Vector2(10, 10));
    const Image image = Render();
    EXPECT_EQ(At(image, 640, 360), Color(0, 0, 0, 255));
    EXPECT_EQ(At(image, 100, 100), Color(255, 255, 255, 255));
}

TEST_F(PlainPassesRenderTest, LineStripOfOneOpenPointDrawsNothing) {
    WriteText(scratch.Path / "Editor" / "Editor.xml",
              AtlasXml("Editor.png", "<sprite n=\"Dark\" x=\"0\" y=\"0\" w=\"4\" h=\"4\"/>"
                                     "<sprite n=\"1PixelWhite\" x=\"5\" y=\"1\" w=\"1\" h=\"1\"/>"));
    Image sheet = SolidImage(8, 8, 0, 0, 0);
    std::copy_n(std::vector<std::uint8_t>{255, 255, 255, 255}.begin(), 4, sheet.Pixel(5, 1));
    WriteSheet(scratch.Path / "Editor" / "Editor.sheet", sheet);
    Engine::TextureManager->LoadTextureBank("Editor");
    graphics.ShowPhysics = true;
    device.PhysicsDebugDraw = [this] {
        const Vector2 line[] = {World(100, 100), World(300, 100)};
        device.DrawLineStrip(line, 2, Color(0, 255, 0, 255), false);
        const Vector2 dot[] = {World(200, 400)};
        device.DrawLineStrip(dot, 1, Color(0, 255, 0, 255), false);
    };
    const Image image = Render();
    EXPECT_EQ(At(image, 200, 100), Color(0, 255, 0, 255));
    for (int y = 396; y <= 404; ++y) {
        for (int x = 196; x <= 204; ++x) {
            ASSERT_EQ(At(image, x, y), Color(0, 0, 0, 255)) << x << "," << y;
        }
    }
}

}  // namespace
