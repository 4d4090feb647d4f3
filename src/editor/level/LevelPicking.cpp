#include "editor/level/LevelPicking.h"

#include "core/GameObject.h"
#include "graphics/SpriteComponent.h"

#include <algorithm>
#include <cstdint>
#include <functional>

namespace {

bool IsWorldLayer(DrawLayer layer) {
    return static_cast<std::uint32_t>(layer) < static_cast<std::uint32_t>(DrawLayer::Ui);
}

bool Contains(const Rect& r, Vector2 p) {
    return r.x <= p.x && p.x < r.x + r.width && r.y <= p.y && p.y < r.y + r.height;
}

bool Meets(const Rect& a, const Rect& b) {
    return a.x <= b.x + b.width && b.x <= a.x + a.width && a.y <= b.y + b.height && b.y <= a.y + a.height;
}

// Depth first below `object`, skipping hidden subtrees; `top` is the level child the
// walk is in.
void Walk(const GameObject& object, GameObject* top, const std::function<void(const GameObject&, GameObject*)>& visit) {
    for (GameObject* child : object.Children()) {
        if (!child->DrawEnabled) {
            continue;
        }
        GameObject* levelChild = top != nullptr ? top : child;
        visit(*child, levelChild);
        Walk(*child, levelChild, visit);
    }
}

}  // namespace

GameObject* LevelPicking::PickAt(GameObject& level, Vector2 world, Vector2 screen) {
    GameObject* hit = nullptr;
    Walk(level, nullptr, [&](const GameObject& object, GameObject* top) {
        if (const SpriteComponent* sprite = object.Sprite()) {
            if (Contains(sprite->GetWorldBounds(), IsWorldLayer(sprite->Layer) ? world : screen)) {
                hit = top;
            }
        }
    });
    return hit;
}

GameObject* LevelPicking::PickObjectAt(GameObject& root, Vector2 world, Vector2 screen) {
    GameObject* hit = nullptr;
    Walk(root, nullptr, [&](const GameObject& object, GameObject*) {
        const SpriteComponent* sprite = object.Sprite();
        if (sprite != nullptr && sprite->Layer != DrawLayer::SpriteLights &&
            Contains(sprite->GetWorldBounds(), IsWorldLayer(sprite->Layer) ? world : screen)) {
            hit = const_cast<GameObject*>(&object);
        }
    });
    return hit;
}

std::vector<GameObject*> LevelPicking::InBox(GameObject& level, Vector2 corner1, Vector2 corner2) {
    const Vector2 low(std::min(corner1.x, corner2.x), std::min(corner1.y, corner2.y));
    const Rect box(low.x, low.y, std::abs(corner1.x - corner2.x), std::abs(corner1.y - corner2.y));
    std::vector<GameObject*> found;
    Walk(level, nullptr, [&](const GameObject& object, GameObject* top) {
        const SpriteComponent* sprite = object.Sprite();
        if (sprite != nullptr && Meets(sprite->GetWorldBounds(), box) &&
            std::find(found.begin(), found.end(), top) == found.end()) {
            found.push_back(top);
        }
    });
    return found;
}
