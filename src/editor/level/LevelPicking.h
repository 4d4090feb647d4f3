#pragma once

#include "core/DrawLayer.h"
#include "core/Vector2.h"

#include <array>
#include <vector>

class GameObject;

// Finding level objects under the mouse as they are drawn. Each hit counts as its
// ancestor that is a direct child of the level, since only those are saved. Layers in
// `lockedLayers` (DrawLayer bits) are passed over.
namespace LevelPicking {

// The world layers placed objects are drawn on, bottom to top as the frame draws
// them; lights are not things to pick.
inline constexpr std::array<DrawLayer, 5> ObjectLayers{DrawLayer::Background, DrawLayer::BackgroundLit,
                                                       DrawLayer::ForegroundLit, DrawLayer::ForegroundAdd,
                                                       DrawLayer::Foreground};

// The level child drawn topmost at the world point with an opaque texel there: the
// highest layer first, then the last drawn in it (the tree walk's order). Without
// one, the last level child one of whose fixtures lies under the point (walls have no
// sprite). Null when neither.
GameObject* PickAt(GameObject& level, Vector2 world, unsigned lockedLayers);

// Every level child with a quad on an unlocked layer that meets the box, in the order
// the walk meets them.
std::vector<GameObject*> InBox(GameObject& level, Vector2 corner1, Vector2 corner2, unsigned lockedLayers);

// The object layers (DrawLayer bits) the object and its descendants are drawn on.
unsigned LayersOf(const GameObject& object);
// Everything the object draws is on locked layers; one that draws nothing is not.
bool IsLocked(const GameObject& object, unsigned lockedLayers);

// The object itself (not its level child) whose sprite frame holds the point, last in
// a depth-first walk below `root` (sprites on world layers in world units, others in
// screen pixels); sprites on the light layer are passed over. The sprite picker's.
GameObject* PickObjectAt(GameObject& root, Vector2 world, Vector2 screen);

}  // namespace LevelPicking
