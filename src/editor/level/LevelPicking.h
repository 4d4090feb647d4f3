#pragma once

#include "core/Rect.h"
#include "core/Vector2.h"

#include <vector>

class GameObject;

// Finding level objects under the mouse. Only drawn objects with a sprite are hit
// (sprites on world layers in world units, others in screen pixels); each hit counts
// as its ancestor that is a direct child of the level, since only those are saved.
namespace LevelPicking {

// The last hit of a depth-first walk below `level` (children beat parents, later
// siblings earlier ones), or null.
GameObject* PickAt(GameObject& level, Vector2 world, Vector2 screen);

// The object itself (not its level child) hit last below `root`; sprites on the
// light layer are not things to pick and are passed over.
GameObject* PickObjectAt(GameObject& root, Vector2 world, Vector2 screen);

// Every level child one of whose sprites (in world units) meets the box, in child
// order.
std::vector<GameObject*> InBox(GameObject& level, Vector2 corner1, Vector2 corner2);

}  // namespace LevelPicking
