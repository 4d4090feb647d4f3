// Reads the shipped prefabs as files: mistakes that load without an error and only
// show while playing (a stone without collision, a gap at the edge of the world, a
// night brighter than the day).
#include "physics/ShapeText.h"

#include <gtest/gtest.h>

#include <boost/property_tree/json_parser.hpp>
#include <box2d/box2d.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
namespace pt = boost::property_tree;

constexpr float kViewHalfWidth = 20.0f, kViewHalfHeight = 11.25f;

fs::path PrefabDirectory() { return fs::read_symlink("/proc/self/exe").parent_path() / "Content/Prefabs"; }

pt::ptree ReadPrefab(const std::string& name) {
    pt::ptree tree;
    pt::read_json((PrefabDirectory() / (name + ".json")).string(), tree);
    return tree;
}

// A fixture's shape is built on the body only if the body exists by then, and the
// body is made by the first property written to it: an earlier body component that
// stores nothing leaves the fixture without a body, silently.
TEST(ShippedPrefabsTest, EveryShapeParsesAndLandsOnABody) {
    int shapes = 0;
    for (const auto& entry : fs::directory_iterator(PrefabDirectory())) {
        const std::string name = entry.path().stem().string();
        const pt::ptree prefab = ReadPrefab(name);
        bool bodyMade = false;
        for (const auto& [type, component] : prefab.get_child("Components")) {
            bodyMade = bodyMade || (type == "B2BodyComponent" && !component.empty());
            if (type == "B2FixtureComponent" && component.count("Shape") != 0) {
                EXPECT_TRUE(bodyMade) << name << ": the fixture comes before a body is made";
                EXPECT_NE(ShapeText::Parse(component.get<std::string>("Shape")).Shape, nullptr) << name;
                ++shapes;
            }
        }
        for (const auto& [unused, child] : prefab.get_child("AutoCreate"))
            if (const auto shape = child.get_optional<std::string>("InstanceProperties.B2FixtureComponent.Shape")) {
                EXPECT_NE(ShapeText::Parse(*shape).Shape, nullptr) << name << ": " << *shape;
                ++shapes;
            }
    }
    EXPECT_GT(shapes, 10);
}

struct Box {
    float left, bottom, right, top;
};

// The level's soil covers the whole view with no gap, and four walls close every
// side one unit inside it (half an ant's sprite), so an ant pressed against a wall is
// still wholly on screen and nothing that moves can leave it.
TEST(ShippedPrefabsTest, TheLevelCoversTheViewAndIsWalledIn) {
    const pt::ptree level = ReadPrefab("Lvl_TestLevel2");
    EXPECT_NE(level.get<int>("Components.LevelBhv.SortOrder", 0), 0) << "level switching would skip it";
    const pt::ptree soil = ReadPrefab("Soil");
    const float tileW = soil.get<float>("Components.SpriteComponent.Size.X");
    const float tileH = soil.get<float>("Components.SpriteComponent.Size.Y");
    std::vector<Box> tiles, walls;
    for (const auto& [unused, child] : level.get_child("AutoCreate")) {
        const pt::ptree& instance = child.get_child("InstanceProperties");
        const std::string prefab = child.get<std::string>("Prefab");
        if (prefab == "Soil") {
            const float x = instance.get<float>("Pos2dComponent.Pos.X"), y = instance.get<float>("Pos2dComponent.Pos.Y");
            tiles.push_back({x - tileW / 2, y - tileH / 2, x + tileW / 2, y + tileH / 2});
        } else if (prefab == "Wall") {
            const auto parsed = ShapeText::Parse(instance.get<std::string>("B2FixtureComponent.Shape"));
            ASSERT_TRUE(parsed.IsBox);
            const float x = instance.get<float>("B2BodyComponent.Pos.X"), y = instance.get<float>("B2BodyComponent.Pos.Y");
            walls.push_back({x - parsed.BoxHalfSize.x, y - parsed.BoxHalfSize.y, x + parsed.BoxHalfSize.x,
                             y + parsed.BoxHalfSize.y});
        }
    }
    for (float x = -kViewHalfWidth; x <= kViewHalfWidth; x += 0.25f)
        for (float y = -kViewHalfHeight; y <= kViewHalfHeight; y += 0.25f) {
            bool covered = false;
            for (const Box& t : tiles)
                covered = covered || (t.left <= x && x <= t.right && t.bottom <= y && y <= t.top);
            ASSERT_TRUE(covered) << "no soil at (" << x << ", " << y << ")";
        }
    auto closes = [&](auto outside, auto spans) {
        for (const Box& w : walls)
            if (outside(w) && spans(w))
                return true;
        return false;
    };
    const float w = kViewHalfWidth - 1.0f, h = kViewHalfHeight - 1.0f;
    EXPECT_TRUE(closes([&](Box b) { return b.right <= -w && b.right > -w - 0.5f; },
                       [&](Box b) { return b.bottom <= -h && b.top >= h; })) << "left";
    EXPECT_TRUE(closes([&](Box b) { return b.left >= w && b.left < w + 0.5f; },
                       [&](Box b) { return b.bottom <= -h && b.top >= h; })) << "right";
    EXPECT_TRUE(closes([&](Box b) { return b.top <= -h && b.top > -h - 0.5f; },
                       [&](Box b) { return b.left <= -w && b.right >= w; })) << "bottom";
    EXPECT_TRUE(closes([&](Box b) { return b.bottom >= h && b.bottom < h + 0.5f; },
                       [&](Box b) { return b.left <= -w && b.right >= w; })) << "top";
}

// The level's children are drawn in "LayeringOrder": what lies on top must sort later.
TEST(ShippedPrefabsTest, ThingsLayerLeavesOverTwigsOverPebblesOverStones) {
    std::map<std::string, int> order;
    for (const char* thing : {"Stone", "Pebble", "Twig", "Leaf", "Seed"})
        order[thing] = ReadPrefab(thing).get<int>("Components.ThingComponent.LayeringOrder", 0);
    EXPECT_LT(order["Stone"], order["Pebble"]);
    EXPECT_LT(order["Pebble"], order["Twig"]);
    EXPECT_LT(order["Twig"], order["Leaf"]);
    EXPECT_LT(order["Leaf"], order["Seed"]) << "a seed dropped on a leaf would vanish under it";
}

// Light strength is colour x 4 x alpha; compare the phases by that, not by the bytes.
TEST(ShippedPrefabsTest, DayIsBrightestDuskIsWarmNightIsDarkButNotBlack) {
    const pt::ptree screen = ReadPrefab("GameplayScreen").get_child("Components.GameplayScreenBhv");
    struct Light {
        float r, g, b;
        float Luminance() const { return 0.2126f * r + 0.7152f * g + 0.0722f * b; }
    };
    auto light = [&](const std::string& name) {
        const float strength = 4 * screen.get<float>(name + ".A");
        const unsigned rgb = std::stoul(screen.get<std::string>(name + ".Rgb"), nullptr, 16);
        return Light{(rgb >> 16 & 0xff) / 255.0f * strength, (rgb >> 8 & 0xff) / 255.0f * strength,
                     (rgb & 0xff) / 255.0f * strength};
    };
    const Light day = light("DayColor"), dusk = light("DuskDawnColor"), night = light("NightColor");
    EXPECT_GT(day.Luminance(), 0.85f);
    EXPECT_GT(day.Luminance(), dusk.Luminance());
    EXPECT_GT(dusk.Luminance(), night.Luminance());
    EXPECT_GT(dusk.r, 1.5f * dusk.b);
    EXPECT_GT(night.b, night.r);
    EXPECT_GT(night.Luminance(), 0.15f);
    EXPECT_LE(screen.get<float>("DuskTransitionTime") + screen.get<float>("NightTransitionTime"), 15.0f);
}

// Particles are named by string all the way from the ant and the Space key: a wrong
// name only shows as fire that never appears.
TEST(ShippedPrefabsTest, TheScreenHasAParticleManagerAndEveryEmitterNamesAParticleWithoutABody) {
    bool managed = false;
    const pt::ptree screen = ReadPrefab("GameplayScreen");
    for (const auto& [unused, child] : screen.get_child("AutoCreate")) {
        const std::string prefab = child.get<std::string>("Prefab");
        managed = managed || ReadPrefab(prefab).get_child("Components").count("ParticleManagerBhv") != 0;
    }
    EXPECT_TRUE(managed) << "SpawnParticle would have nowhere to put anything";
    for (const char* name : {"Pcl_FireStream", "Pcl_SmokeStream", "Pcl_SmokeStreamLite", "Pcl_SparkleBurst"}) {
        const pt::ptree emitter = ReadPrefab(name).get_child("Components");
        auto particle = emitter.get_optional<std::string>("Pcl_EmitContinuousBhv.ParticlePrefab");
        if (!particle) particle = emitter.get_optional<std::string>("Pcl_EmitOnceBhv.ParticlePrefab");
        ASSERT_TRUE(particle) << name << " emits nothing";
        ASSERT_TRUE(fs::exists(PrefabDirectory() / (*particle + ".json"))) << name << ": " << *particle;
        const pt::ptree components = ReadPrefab(*particle).get_child("Components");
        EXPECT_EQ(components.count("Pcl_SimpleBhv"), 1u) << *particle;
        EXPECT_EQ(components.count("B2BodyComponent"), 0u) << *particle;
        EXPECT_EQ(components.get<std::string>("SpriteComponent.Tex"), "Effects") << *particle;
    }
}

}  // namespace
