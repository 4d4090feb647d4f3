#include "physics/ShapeText.h"

#include <box2d/box2d.h>
#include <gtest/gtest.h>

#include <string>

namespace {

std::string RoundTrip(const std::string& text) {
    ShapeText::Parsed parsed = ShapeText::Parse(text);
    return ShapeText::Format(parsed.Shape.get(), parsed.IsBox, parsed.BoxHalfSize);
}

const b2PolygonShape& Polygon(const ShapeText::Parsed& parsed) {
    EXPECT_NE(parsed.Shape, nullptr) << parsed.Error;
    EXPECT_EQ(parsed.Shape->GetType(), b2Shape::e_polygon);
    return *static_cast<const b2PolygonShape*>(parsed.Shape.get());
}

TEST(ShapeTextTest, BoxMakesItsCornersAndReadsBackAsBox) {
    const ShapeText::Parsed parsed = ShapeText::Parse("Box 1 2");
    const b2PolygonShape& box = Polygon(parsed);
    ASSERT_EQ(box.m_count, 4);
    EXPECT_EQ(box.m_vertices[0], b2Vec2(-1.0f, -2.0f));
    EXPECT_EQ(box.m_vertices[1], b2Vec2(1.0f, -2.0f));
    EXPECT_EQ(box.m_vertices[2], b2Vec2(1.0f, 2.0f));
    EXPECT_EQ(box.m_vertices[3], b2Vec2(-1.0f, 2.0f));
    EXPECT_EQ(RoundTrip("Box 1 2"), "Box 1 2");
    EXPECT_EQ(RoundTrip("Box 0.5 0.25 9\t"), "Box 0.5 0.25") << "extra numbers and trailing blanks are ignored";
}

TEST(ShapeTextTest, PolygonReadsPairsAndDropsAnOddLastNumber) {
    const ShapeText::Parsed parsed = ShapeText::Parse("Polygon 0 0 1 0 0.5 1 7");
    const b2PolygonShape& triangle = Polygon(parsed);
    EXPECT_EQ(triangle.m_count, 3);
    EXPECT_EQ(triangle.m_radius, 0.01f);
    const std::string text = RoundTrip("Polygon 0 0 1 0 0.5 1 7");
    EXPECT_EQ(text.rfind("Polygon ", 0), 0u);
    EXPECT_EQ(RoundTrip(text), text) << "the read-back form reads back the same";
    EXPECT_EQ(Polygon(ShapeText::Parse("Polygon 0 0 0 1 1 0")).m_count, 3) << "clockwise is accepted";
}

TEST(ShapeTextTest, CircleUsesItsFirstNumberAtTheOrigin) {
    const ShapeText::Parsed parsed = ShapeText::Parse("Circle 0.5 9 9");
    ASSERT_NE(parsed.Shape, nullptr);
    ASSERT_EQ(parsed.Shape->GetType(), b2Shape::e_circle);
    EXPECT_EQ(parsed.Shape->m_radius, 0.5f);
    EXPECT_EQ(static_cast<const b2CircleShape&>(*parsed.Shape).m_p, b2Vec2(0.0f, 0.0f));
    EXPECT_EQ(RoundTrip("Circle 0.5 9 9"), "Circle 0.5");
}

TEST(ShapeTextTest, EdgeAndChainAreBuiltAndReadBack) {
    const ShapeText::Parsed edge = ShapeText::Parse("Edge 0 0 2 0 5 5");
    ASSERT_NE(edge.Shape, nullptr) << edge.Error;
    EXPECT_EQ(edge.Shape->GetType(), b2Shape::e_edge);
    EXPECT_EQ(RoundTrip("Edge 0 0 2 0 5 5"), "Edge 0 0 2 0");
    const ShapeText::Parsed chain = ShapeText::Parse("Chain 0 0 1 1 2 0");
    ASSERT_NE(chain.Shape, nullptr) << chain.Error;
    EXPECT_EQ(chain.Shape->GetChildCount(), 2);
    EXPECT_EQ(RoundTrip("Chain 0 0 1 1 2 0"), "Chain 0 0 1 1 2 0");
}

TEST(ShapeTextTest, TextOutsideTheSyntaxMakesNoShape) {
    for (const char* text : {" Box 1 2", "Box", "Box ", "Box 1 x", "box 1 2", "Square 1 2", "Box1 2"}) {
        const ShapeText::Parsed parsed = ShapeText::Parse(text);
        EXPECT_EQ(parsed.Shape, nullptr) << text;
        EXPECT_FALSE(parsed.Error.empty()) << text;
    }
    const ShapeText::Parsed empty = ShapeText::Parse("");
    EXPECT_EQ(empty.Shape, nullptr);
    EXPECT_EQ(empty.Error, "") << "the empty text means no shape, not a mistake";
}

TEST(ShapeTextTest, LongBadTextIsRejectedWithoutBlowingUpTheMatcher) {
    const ShapeText::Parsed parsed = ShapeText::Parse("Box " + std::string(20000, '1') + "x");
    EXPECT_EQ(parsed.Shape, nullptr);
}

// Each of these would trip Box2D's assertions (ending the process) or silently
// become a different shape.
TEST(ShapeTextTest, ShapesBox2DCannotBuildAreRejectedWithAReason) {
    const std::pair<const char*, const char*> cases[] = {
        {"Box 1", "half-width and a half-height"},
        {"Box 0 1", "positive"},
        {"Box -1 1", "positive"},
        {"Box 1e-5 1e-5", "too small"},
        {"Circle 0", "positive radius"},
        {"Circle -2", "positive radius"},
        {"Polygon 0 0 1 0", "3 to 8 points, not 2"},
        {"Polygon 0 0 1 0 2 0.1 3 1 2 2 1 2.1 0 2 -1 1 -0.5 0.5", "not 9"},
        {"Polygon 0 0 1 0 2 0", "no area"},
        {"Polygon 0 0 2 0 1 0.5 2 2 0 2", "not convex"},
        {"Polygon 0 0 1 0 0 1 0.001 1", "coincide"},
        {"Polygon 0 0 1-2 1 0 1", "\"1-2\" is not a number"},
        {"Circle e", "\"e\" is not a number"},
        {"Edge 0 0", "two points"},
        {"Edge 1 1 1 1", "coincide"},
        {"Chain 0 0 1 1 1 1 2 0", "coincide"},
        {"Chain 0 0 1 1 1e30 0", "limited to 10000"},
        {"Circle 20000", "limited to 10000"},
    };
    for (const auto& [text, reason] : cases) {
        const ShapeText::Parsed parsed = ShapeText::Parse(text);
        EXPECT_EQ(parsed.Shape, nullptr) << text;
        EXPECT_NE(parsed.Error.find(reason), std::string::npos) << text << ": " << parsed.Error;
    }
}

}  // namespace
