#pragma once

#include "prefabs/PrefabComponent.h"

#include <memory>
#include <vector>

class AutoCreate;
class GameObject;

using ComponentValues = std::vector<std::unique_ptr<PrefabComponent>>;

// The values a level stores for one placed object: for each component that the
// object's "Lvl_Sources" entry lists, a copy of the named properties of the object's
// first component of that type, in the entry's order.
ComponentValues CaptureStoredProperties(const AutoCreate& source, const GameObject& object);
