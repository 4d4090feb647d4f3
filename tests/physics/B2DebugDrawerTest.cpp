#include "graphics/Graphics.h"
#include "physics/B2DebugDrawer.h"
#include "support/PhysicsTestObjects.h"

#include <box2d/box2d.h>

namespace {

struct Strip {
    std::vector<Vector2> points;
    Color colour;
    bool closed;
};

class B2DebugDrawerTest : public ::testing::Test {
protected:
    B2DebugDrawerTest() {
        drawer.LineStrip = [this](const Vector2* points, int count, Color colour, bool closed) {
            strips.push_back({std::vector<Vector2>(points, points + count), colour, closed});
        };
        drawer.WorldUnitsPerPixel = [] { return 0.5f; };
    }

    B2DebugDrawer drawer;
    std::vector<Strip> strips;
};

TEST_F(B2DebugDrawerTest, PolygonsAreClosedStripsAndColoursAreTruncated) {
    const b2Vec2 triangle[3] = {{0, 0}, {1, 0}, {0, 1}};
    drawer.DrawSolidPolygon(triangle, 3, b2Color(0.5f, 0.9f, 0.3f));
    ASSERT_EQ(strips.size(), 1u);
    EXPECT_EQ(strips[0].points, (std::vector<Vector2>{{0, 0}, {1, 0}, {0, 1}}));
    EXPECT_TRUE(strips[0].closed);
    EXPECT_EQ(strips[0].colour, Color(127, 229, 76, 255));
}

TEST_F(B2DebugDrawerTest, CirclesAreEightPointStripsAndSegmentsAreOpen) {
    drawer.DrawSolidCircle(b2Vec2(1, 2), 2.0f, b2Vec2(1, 0), b2Color(1, 1, 1));
    drawer.DrawSegment(b2Vec2(0, 0), b2Vec2(3, 4), b2Color(0, 0, 1));
    ASSERT_EQ(strips.size(), 2u);
    const std::vector<Vector2>& circle = strips[0].points;
    ASSERT_EQ(circle.size(), 8u);
    EXPECT_EQ(circle[0], Vector2(3, 2));
    EXPECT_FLOAT_EQ(circle[1].x, 1 + 2 * 0.7071068f);
    EXPECT_FLOAT_EQ(circle[1].y, 2 + 2 * 0.7071068f);
    EXPECT_EQ(circle[2], Vector2(1, 4));
    EXPECT_EQ(circle[4], Vector2(-1, 2));
    EXPECT_EQ(circle[6], Vector2(1, 0));
    EXPECT_TRUE(strips[0].closed);
    EXPECT_EQ(strips[1].points, (std::vector<Vector2>{{0, 0}, {3, 4}}));
    EXPECT_FALSE(strips[1].closed);
    EXPECT_EQ(strips[1].colour, Color(0, 0, 255, 255));
}

TEST_F(B2DebugDrawerTest, EditPointsAreThreePixelSquaresInTheirColours) {
    drawer.EditPoints = {{0, 0}, {10, 0}, {20, 0}};
    drawer.SelectedEditPoint = 2;
    drawer.DrawEditPoints();
    ASSERT_EQ(strips.size(), 3u);
    const float h = 0.5f * 3 * 0.5f;
    EXPECT_EQ(strips[0].points, (std::vector<Vector2>{{-h, h}, {-h, -h}, {h, -h}, {h, h}}));
    EXPECT_TRUE(strips[0].closed);
    EXPECT_EQ(strips[0].colour, Color(0, 255, 0, 255));
    EXPECT_EQ(strips[1].colour, Color(255, 255, 255, 255));
    EXPECT_EQ(strips[2].colour, Color(255, 0, 0, 255));

    strips.clear();
    drawer.SelectedEditPoint = 0;
    drawer.DrawEditPoints();
    EXPECT_EQ(strips[0].colour, Color(255, 0, 0, 255)) << "the selected first point is red, not green";
}

class WorldDebugDrawTest : public PhysicsTest {};

TEST_F(WorldDebugDrawTest, MarkersStayThreePixelsWideAtAnyZoom) {
    std::vector<Strip> strips;
    B2DebugDrawer& drawer = *Engine::DebugDrawer;
    drawer.LineStrip = [&strips](const Vector2* points, int count, Color colour, bool closed) {
        strips.push_back({std::vector<Vector2>(points, points + count), colour, closed});
    };
    Engine::Graphics->WorldCamera.Size = {80.0f, 45.0f};  // 16 pixels per unit on 1280
    drawer.DrawPointMarker({0.0f, 0.0f}, b2Color(1, 1, 1));
    ASSERT_EQ(strips.size(), 1u);
    EXPECT_FLOAT_EQ(strips[0].points[2].x - strips[0].points[0].x, 3.0f / 16.0f);
}

}  // namespace
