#include "editor/level/LevelPicking.h"

#include "core/DrawPlacement.h"
#include "core/DrawableComponent.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "graphics/Graphics.h"
#include "graphics/QuadCollector.h"
#include "graphics/SpriteBatch.h"
#include "graphics/SpriteComponent.h"
#include "physics/B2FixtureComponent.h"
#include "physics/FixtureQueries.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>

namespace {

// Half the side of the square a fixture must touch: about a pixel at the normal camera.
constexpr float FixtureReach = 0.03f;

unsigned ObjectLayerBits() {
    unsigned bits = 0;
    for (DrawLayer layer : LevelPicking::ObjectLayers) {
        bits |= LayerBit(layer);
    }
    return bits;
}

int RankOf(DrawLayer layer) {
    const auto& layers = LevelPicking::ObjectLayers;
    return static_cast<int>(std::find(layers.begin(), layers.end(), layer) - layers.begin());
}

using QuadVisit = std::function<void(GameObject& levelChild, DrawLayer layer, const std::vector<DrawnQuad>& quads)>;

// The children of `object` and their subtrees as the sprite batch draws them, each
// drawable's quads handed to `visit`; `top` is the level child the walk is in.
void WalkBelow(const GameObject& object, GameObject* top, Color colour, Vector2 offset, unsigned mask,
               QuadCollector& sink, const QuadVisit& visit) {
    for (GameObject* child : object.Children()) {
        if (!child->DrawEnabled) {
            continue;
        }
        GameObject* levelChild = top != nullptr ? top : child;
        Vector2 childOffset = offset;
        const DrawPlacement placement = PlacementInTree(*child, mask, colour, childOffset);
        for (const DrawableComponent* drawable : child->Drawables()) {
            if (drawable != nullptr && (LayerBit(drawable->Layer) & mask) != 0) {
                sink.Quads.clear();
                drawable->SubmitQuads(sink, placement);
                visit(*levelChild, drawable->Layer, sink.Quads);
            }
        }
        WalkBelow(*child, levelChild, placement.Colour, childOffset, mask, sink, visit);
    }
}

// The level's children as drawn under the world camera, with the tint and offset the
// level passes down from its ancestors; nothing when one of them is hidden.
void WalkDrawn(const GameObject& level, unsigned mask, const QuadVisit& visit) {
    std::vector<const GameObject*> chain;
    for (const GameObject* object = &level; object != nullptr; object = object->Parent()) {
        chain.push_back(object);
    }
    Color colour(255, 255, 255, 255);
    Vector2 offset;
    for (auto at = chain.rbegin(); at != chain.rend(); ++at) {
        if (!(*at)->DrawEnabled) {
            return;
        }
        colour = PlacementInTree(**at, mask, colour, offset).Colour;
    }
    QuadCollector sink;
    if (Engine::Graphics != nullptr) {
        sink.FlipX = Engine::Graphics->WorldCamera.Size.x < 0.0f;
        sink.FlipY = Engine::Graphics->WorldCamera.Size.y < 0.0f;
    }
    WalkBelow(level, nullptr, colour, offset, mask, sink, visit);
}

GameObject* LevelChildOf(const GameObject& level, GameObject* object) {
    while (object != nullptr && object->Parent() != &level) {
        object = object->Parent();
    }
    return object;
}

// The last level child in child order one of whose fixtures lies under the point.
GameObject* FixtureHitAt(const GameObject& level, Vector2 world, unsigned lockedLayers) {
    std::vector<B2FixtureComponent*> found;
    QueryFixturesInSquare(found, FixtureReach, world.x, world.y);
    const auto& children = level.Children();
    auto hit = children.end();
    for (B2FixtureComponent* fixture : found) {
        GameObject* child = LevelChildOf(level, fixture->Owner());
        if (child == nullptr || !child->DrawEnabled || LevelPicking::IsLocked(*child, lockedLayers)) {
            continue;
        }
        const auto at = std::find(children.begin(), children.end(), child);
        if (hit == children.end() || at > hit) {
            hit = at;
        }
    }
    return hit != children.end() ? *hit : nullptr;
}

bool Meets(const Rect& a, const Rect& b) {
    return a.x <= b.x + b.width && b.x <= a.x + a.width && a.y <= b.y + b.height && b.y <= a.y + a.height;
}

}  // namespace

GameObject* LevelPicking::PickAt(GameObject& level, Vector2 world, unsigned lockedLayers) {
    GameObject* hit = nullptr;
    int hitRank = -1;
    WalkDrawn(level, ObjectLayerBits() & ~lockedLayers,
              [&](GameObject& child, DrawLayer layer, const std::vector<DrawnQuad>& quads) {
                  const int rank = RankOf(layer);
                  if (rank >= hitRank && std::any_of(quads.begin(), quads.end(), [world](const DrawnQuad& quad) {
                          return quad.ShowsOpaqueAt(world);
                      })) {
                      hit = &child;
                      hitRank = rank;
                  }
              });
    return hit != nullptr ? hit : FixtureHitAt(level, world, lockedLayers);
}

std::vector<GameObject*> LevelPicking::InBox(GameObject& level, Vector2 corner1, Vector2 corner2,
                                             unsigned lockedLayers) {
    const Vector2 low(std::min(corner1.x, corner2.x), std::min(corner1.y, corner2.y));
    const Rect box(low.x, low.y, std::abs(corner1.x - corner2.x), std::abs(corner1.y - corner2.y));
    std::vector<GameObject*> found;
    WalkDrawn(level, ObjectLayerBits() & ~lockedLayers,
              [&](GameObject& child, DrawLayer, const std::vector<DrawnQuad>& quads) {
                  const bool meets = std::any_of(quads.begin(), quads.end(),
                                                 [&box](const DrawnQuad& quad) { return Meets(quad.Bounds(), box); });
                  if (meets && std::find(found.begin(), found.end(), &child) == found.end()) {
                      found.push_back(&child);
                  }
              });
    return found;
}

unsigned LevelPicking::LayersOf(const GameObject& object) {
    unsigned layers = 0;
    for (const DrawableComponent* drawable : object.Drawables()) {
        if (drawable != nullptr) {
            layers |= LayerBit(drawable->Layer);
        }
    }
    for (const GameObject* child : object.Children()) {
        layers |= LayersOf(*child);
    }
    return layers & ObjectLayerBits();
}

bool LevelPicking::IsLocked(const GameObject& object, unsigned lockedLayers) {
    const unsigned layers = LayersOf(object);
    return layers != 0 && (layers & ~lockedLayers) == 0;
}

namespace {

bool IsWorldLayer(DrawLayer layer) {
    return static_cast<std::uint32_t>(layer) < static_cast<std::uint32_t>(DrawLayer::Ui);
}

bool Contains(const Rect& r, Vector2 p) {
    return r.x <= p.x && p.x < r.x + r.width && r.y <= p.y && p.y < r.y + r.height;
}

void WalkSprites(const GameObject& object, const std::function<void(const GameObject&)>& visit) {
    for (GameObject* child : object.Children()) {
        if (child->DrawEnabled) {
            visit(*child);
            WalkSprites(*child, visit);
        }
    }
}

}  // namespace

GameObject* LevelPicking::PickObjectAt(GameObject& root, Vector2 world, Vector2 screen) {
    GameObject* hit = nullptr;
    WalkSprites(root, [&](const GameObject& object) {
        const SpriteComponent* sprite = object.Sprite();
        if (sprite != nullptr && sprite->Layer != DrawLayer::SpriteLights &&
            Contains(sprite->GetWorldBounds(), IsWorldLayer(sprite->Layer) ? world : screen)) {
            hit = const_cast<GameObject*>(&object);
        }
    });
    return hit;
}
