#include "support/RenderFixture.h"

#include <cmath>

namespace {

// Byte encoding of a unit vector component, as normal maps store them.
std::uint8_t Encode(float n) {
    return static_cast<std::uint8_t>(std::lround(n * 127.5f + 127.5f));
}

// A normal map pointing one way everywhere, with a specular intensity in alpha.
Image FlatNormals(float nx, float ny, float nz, std::uint8_t specular = 0) {
    return SolidImage(8, 8, Encode(nx), Encode(ny), Encode(nz), specular);
}

class LitPassesRenderTest : public RenderFixture {
protected:
    // The lit ground: albedo (200, 100, 50), normals straight up, no specular, read
    // from a lit atlas on disk (colour, normal and specular sheets).
    Texture* Ground() {
        const std::filesystem::path bank = scratch.Path / "Main";
        WriteText(bank / "Ground_COL.xml", AtlasXml("Ground_COL.png", "<sprite n=\"All_COL\" x=\"0\" y=\"0\" w=\"8\" h=\"8\"/>"));
        WriteSheet(bank / "Ground_COL.sheet", SolidImage(8, 8, 200, 100, 50));
        WriteSheet(bank / "Ground_NRM.sheet", FlatNormals(0, 0, 1, 255));
        WriteSheet(bank / "Ground_SPEC.sheet", SolidImage(8, 8, 0, 0, 0));
        Engine::TextureManager->LoadTextureBank("Main");
        return Engine::TextureManager->GetTexture("Ground");
    }

    // A light of intensity 1 (colour 64 of 255, times 4) whose direction map is
    // `direction` over the whole sprite.
    void Light(const Image& direction, Vector2 pos, Vector2 size) {
        Texture* light = MakeTexture("Light" + std::to_string(lights++), SolidImage(8, 8, 64, 64, 64), &direction);
        AddSprite(&root, light, DrawLayer::SpriteLights, pos, size);
    }

    int lights = 0;
};

TEST_F(LitPassesRenderTest, LitLayersAreBlackWithoutLight) {
    graphics.BackgroundColor = Color(0, 0, 255, 255);
    AddSprite(&root, Ground(), DrawLayer::BackgroundLit, Vector2(), Vector2(10, 10));
    const Image image = Render();
    EXPECT_EQ(At(image, 640, 360), Color(0, 0, 0, 255));
    EXPECT_EQ(At(image, 100, 100), Color(0, 0, 255, 255));
}

TEST_F(LitPassesRenderTest, PointLightFallsOffWithTheAngleOfItsDirectionMap) {
    AddSprite(&root, Ground(), DrawLayer::BackgroundLit, Vector2(), Vector2(40, 22.5f));
    // A point light half a radius above the ground: at distance d (in radii) the
    // direction towards it is (-d, 0, 0.5) normalised.
    constexpr int kSize = 64;
    Image direction = SolidImage(kSize, kSize, 0, 0, 0);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const float dx = (x + 0.5f) / kSize * 2 - 1;
            const float dy = 1 - (y + 0.5f) / kSize * 2;
            const float length = std::sqrt(dx * dx + dy * dy + 0.25f);
            std::uint8_t* p = direction.Pixel(x, y);
            p[0] = Encode(-dx / length);
            p[1] = Encode(-dy / length);
            p[2] = Encode(0.5f / length);
        }
    }
    Light(direction, Vector2(), Vector2(20, 20));  // 640 pixels across
    const Image image = Render();
    for (const float d : {0.0f, 0.5f, 0.75f}) {
        const float diffuse = 0.5f / std::sqrt(d * d + 0.25f);
        const int x = 640 + static_cast<int>(d * 320);
        const float light = 4.0f * 64 / 255;
        ExpectColorNear(At(image, x, 360), Color(static_cast<std::uint8_t>(200 * light * diffuse),
                                                 static_cast<std::uint8_t>(100 * light * diffuse),
                                                 static_cast<std::uint8_t>(50 * light * diffuse), 255),
                        4, "distance " + std::to_string(d));
    }
    // Outside the light nothing is added.
    EXPECT_EQ(At(image, 20, 20), Color(0, 0, 0, 255));
}

TEST_F(LitPassesRenderTest, LitContentOfAnEarlierFrameLeavesNoTrace) {
    GameObject* ground = AddSprite(&root, Ground(), DrawLayer::BackgroundLit, Vector2(), Vector2(10, 10));
    Light(FlatNormals(0, 0, 1), Vector2(), Vector2(40, 22.5f));
    EXPECT_GT(At(Render(), 640, 360).r, 150);
    ground->DrawEnabled = false;
    EXPECT_EQ(At(Render(), 640, 360), Color(0, 0, 0, 255));
    EXPECT_EQ(At(Render(), 640, 360), Color(0, 0, 0, 255));
    ground->DrawEnabled = true;
    EXPECT_GT(At(Render(), 640, 360).r, 150);
}

TEST_F(LitPassesRenderTest, MirroredLitSpriteMirrorsItsLighting) {
    // Normals tilted towards +x; the light comes from +x as well.
    const Image normals = FlatNormals(0.6f, 0, 0.8f);
    Texture* tilted = MakeTexture("Tilted", SolidImage(8, 8, 200, 100, 50), &normals);
    AddSprite(&root, tilted, DrawLayer::BackgroundLit, World(400, 360), Vector2(8, 8));
    AddSprite(&root, tilted, DrawLayer::BackgroundLit, World(880, 360), Vector2(-8, 8));
    Light(FlatNormals(0.6f, 0, 0.8f), Vector2(), Vector2(40, 22.5f));
    const Image image = Render();
    const float light = 4.0f * 64 / 255;
    // Facing the light: 0.6 * 0.6 + 0.8 * 0.8 = 1; mirrored: -0.36 + 0.64 = 0.28.
    EXPECT_NEAR(At(image, 400, 360).r, 200 * light, 4);
    EXPECT_NEAR(At(image, 880, 360).r, 200 * light * 0.28f, 4);
}

class ShadowRenderTest : public LitPassesRenderTest {
protected:
    // Ground lit evenly, and an opaque foreground square from pixel 540 to 740.
    Image RenderShadowScene(float spread, float darkness) {
        graphics.ShadowSpread = spread;
        graphics.ShadowDarkness = darkness;
        AddSprite(&root, Ground(), DrawLayer::BackgroundLit, Vector2(), Vector2(40, 22.5f));
        // Drawn 1:1, so its edge is sharp.
        const Image normals = SolidImage(200, 200, 128, 128, 255, 0);
        Texture* stone = MakeTexture("Stone", SolidImage(200, 200, 0, 250, 0), &normals);
        AddSprite(&root, stone, DrawLayer::ForegroundLit, Vector2(), Vector2(200 / 32.0f, 200 / 32.0f));
        Light(FlatNormals(0, 0, 1), Vector2(), Vector2(40, 22.5f));
        return Render();
    }
    static constexpr float kLight = 4.0f * 64 / 255;
    // Red of the lit ground: the stone has no red, so red measures the shadow alone.
    static constexpr float kGroundRed = 200 * kLight;
};

TEST_F(ShadowRenderTest, ShadowDarkensTheGroundAroundTheForeground) {
    const Image image = RenderShadowScene(4.0f, 1.5f);
    EXPECT_NEAR(At(image, 100, 100).r, kGroundRed, 2);
    // Two pixels outside the edge a third of the samples see the stone.
    EXPECT_LT(At(image, 537, 360).r, kGroundRed * 0.7f);
    EXPECT_NEAR(At(image, 640, 360).g, 250 * kLight > 255 ? 255 : 250 * kLight, 3);
}

TEST_F(ShadowRenderTest, ZeroDarknessRemovesTheShadow) {
    const Image image = RenderShadowScene(4.0f, 0.0f);
    EXPECT_NEAR(At(image, 537, 360).r, kGroundRed, 2);
}

TEST_F(ShadowRenderTest, ZeroSpreadLeavesAnUnblurredSilhouette) {
    const Image image = RenderShadowScene(0.0f, 1.5f);
    EXPECT_NEAR(At(image, 538, 360).r, kGroundRed, 2);
    EXPECT_NEAR(At(image, 742, 300).r, kGroundRed, 2);
    EXPECT_LT(At(image, 542, 360).r, 3);
}

}  // namespace
