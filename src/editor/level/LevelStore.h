#pragma once

#include <string>
#include <vector>

class GameObject;
class Prefab;
class PrefabManager;

// Levels as prefab files: which there are, and writing the live level into one.
namespace LevelStore {

// Every "Lvl_" prefab whose "LevelBhv" component stores a non-zero "SortOrder",
// by ascending sort order.
std::vector<std::string> ListLevels(const PrefabManager& prefabs);

// The names of the level's children whose prefab "Lvl_Sources" does not list.
std::vector<std::string> UnlistedObjects(const GameObject& level, const Prefab* sources);

// Replaces the entries of the prefab `name` (made when missing) by the level's
// children, each with the properties its sources entry lists, and saves it. The
// prefab's own components stay. Throws what Prefab::Save throws; the caller has
// checked UnlistedObjects. Each child then counts as made by its new entry, so the
// object list writes an object back into the entry the level now holds for it.
void SaveLevelAs(PrefabManager& prefabs, const std::string& name, GameObject& level, const Prefab& sources);

// The entries part of SaveLevelAs: the prefab's entries replaced, marked modified.
void FillEntries(Prefab& prefab, const GameObject& level, const Prefab& sources);

}  // namespace LevelStore
