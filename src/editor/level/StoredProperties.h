#pragma once

#include "prefabs/PrefabComponent.h"

#include <memory>
#include <string>
#include <vector>

class AutoCreate;
class GameObject;

using ComponentValues = std::vector<std::unique_ptr<PrefabComponent>>;

// Where each of an object's components comes from when the object is instanced again
// from its prefab with an entry's overrides over it (Prefab::ApplyComponents):
// Made by the prefab or by the entry naming a type the prefab lacks; Added, the
// first component of a type neither makes, which an override entry of its own can
// bring back whole; or Unkeepable, a further one of such a type (an override always
// reaches the first of its type) or one of no registered type. Without its prefab
// the object cannot be made again, and every component counts as made.
enum class ComponentOrigin { Made, Added, Unkeepable };
std::vector<ComponentOrigin> ComponentOrigins(const AutoCreate& source, const GameObject& object);
// The same as if the prefab's components had the type names given (null: no prefab).
std::vector<ComponentOrigin> ComponentOrigins(const AutoCreate& source, const GameObject& object,
                                              const std::vector<std::string>* prefabTypes);

// The values a level stores for one placed object: for each component that the
// object's "Lvl_Sources" entry lists, a copy of the named properties of the object's
// first component of that type, in the entry's order; then, in the object's order,
// each Added component with every value that differs from its type's default.
ComponentValues CaptureStoredProperties(const AutoCreate& source, const GameObject& object);
