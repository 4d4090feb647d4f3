#include "physics/B2BodyComponent.h"
#include "physics/B2DebugDrawer.h"
#include "physics/B2FixtureComponent.h"
#include "support/RenderFixture.h"

#include <box2d/box2d.h>

#include <vector>

namespace {

class PhysicsDebugViewRenderTest : public RenderFixture {
protected:
    PhysicsDebugViewRenderTest() {
        WriteText(scratch.Path / "Editor" / "Editor.xml",
                  AtlasXml("Editor.png", "<sprite n=\"1PixelWhite\" x=\"5\" y=\"1\" w=\"1\" h=\"1\"/>"));
        Image sheet = SolidImage(8, 8, 0, 0, 0);
        std::copy_n(std::vector<std::uint8_t>{255, 255, 255, 255}.begin(), 4, sheet.Pixel(5, 1));
        WriteSheet(scratch.Path / "Editor" / "Editor.sheet", sheet);
        Engine::TextureManager->LoadTextureBank("Editor");
    }

    // A body of `type` with one fixture, centred on back-buffer pixel (px, py).
    void AddBody(int type, float px, float py, const std::string& shape) {
        auto* object = new GameObject();
        auto* body = new B2BodyComponent();
        object->AddComponent(body);
        body->SetPosition(World(px, py));
        body->GetBody()->SetType(static_cast<b2BodyType>(type));
        auto* fixture = new B2FixtureComponent();
        object->AddComponent(fixture);
        fixture->SetShapeText(shape);
        root.AddChild(object);
    }

    // Whether some pixel within `reach` of (x, y) has exactly this colour.
    static bool ColourNear(const Image& image, int x, int y, Color colour, int reach = 2) {
        for (int dy = -reach; dy <= reach; ++dy) {
            for (int dx = -reach; dx <= reach; ++dx) {
                if (At(image, x + dx, y + dy) == colour) {
                    return true;
                }
            }
        }
        return false;
    }
};

TEST_F(PhysicsDebugViewRenderTest, ShapesAndEditPointsAreDrawnInTheirColours) {
    const Color staticColour(127, 229, 127, 255);
    const Color kinematicColour(127, 127, 229, 255);
    AddBody(0, 200, 200, "Box 2 1");              // 64 x 32 pixels around (200, 200)
    AddBody(0, 500, 200, "Circle 2");             // radius 64 pixels
    AddBody(1, 800, 200, "Polygon -2 -1 2 -1 0 2");
    B2DebugDrawer& drawer = *Engine::DebugDrawer;
    drawer.EditPoints = {World(300, 500), World(400, 500), World(500, 500)};
    drawer.SelectedEditPoint = 2;

    const Image hidden = Render();
    EXPECT_EQ(At(hidden, 264, 200), Color(0, 0, 0, 255)) << "nothing drawn while ShowPhysics is off";

    graphics.ShowPhysics = true;
    const Image image = Render();
    EXPECT_TRUE(ColourNear(image, 264, 200, staticColour)) << "the box's right side";
    EXPECT_TRUE(ColourNear(image, 200, 232, staticColour)) << "the box's bottom side";
    EXPECT_EQ(At(image, 200, 200), Color(0, 0, 0, 255)) << "outlines only";
    EXPECT_TRUE(ColourNear(image, 564, 200, staticColour)) << "the circle's first point";
    EXPECT_TRUE(ColourNear(image, 500, 136, staticColour)) << "the circle's top point";
    EXPECT_TRUE(ColourNear(image, 800, 232, kinematicColour)) << "the polygon's bottom side";
    EXPECT_TRUE(ColourNear(image, 800, 136, kinematicColour)) << "the polygon's apex";
    EXPECT_TRUE(ColourNear(image, 300, 500, Color(0, 255, 0, 255))) << "first edit point";
    EXPECT_TRUE(ColourNear(image, 400, 500, Color(255, 255, 255, 255))) << "other edit point";
    EXPECT_TRUE(ColourNear(image, 500, 500, Color(255, 0, 0, 255))) << "selected edit point";
    EXPECT_FALSE(ColourNear(image, 500, 505, Color(255, 0, 0, 255), 2)) << "markers are 3 pixels across";
}

TEST_F(PhysicsDebugViewRenderTest, LinesFollowTheEditorBankAcrossUnloadAndLoad) {
    const Color staticColour(127, 229, 127, 255);
    AddBody(0, 200, 200, "Box 2 1");
    graphics.ShowPhysics = true;
    EXPECT_TRUE(ColourNear(Render(), 264, 200, staticColour));

    // Without the atlas the lines sample no image: black on black.
    Engine::TextureManager->UnloadTextureBank("Editor");
    EXPECT_FALSE(ColourNear(Render(), 264, 200, staticColour));

    Engine::TextureManager->LoadTextureBank("Editor");
    EXPECT_TRUE(ColourNear(Render(), 264, 200, staticColour)) << "the new atlas image is used";
}

}  // namespace
