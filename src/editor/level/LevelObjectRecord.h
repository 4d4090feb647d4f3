#pragma once

#include "editor/level/Placement.h"
#include "editor/level/StoredProperties.h"

#include <cstddef>
#include <string>

class GameObject;
class Prefab;

// Everything needed to bring a level object back after it was deleted: its prefab,
// name and place among the level's children, its stored properties (as the level
// file would hold them) and its exact placement.
struct LevelObjectRecord {
    std::string PrefabName;
    std::string Name;
    std::size_t Index = 0;
    Placement Where;
    ComponentValues Values;

    // `sources` is "Lvl_Sources" (null: only the placement is kept).
    static LevelObjectRecord Capture(const GameObject& object, std::size_t index, const Prefab* sources);
    // A fresh instance of the prefab with the values and placement, inserted at Index.
    GameObject* Restore(GameObject& level) const;
};

// The "Lvl_Sources" entry whose prefab is `prefabName`, or null.
const AutoCreate* FindSourceEntry(const Prefab* sources, const std::string& prefabName);
