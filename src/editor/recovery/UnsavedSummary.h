#pragma once

#include <cstddef>
#include <string>
#include <vector>

class PrefabManager;

// What holds unsaved work, by name: every modified prefab, a prefab removed whose file
// is still there ("<name> (removed)": saving deletes the file), and the level being
// edited when it is modified and its prefab is not already named. In name order.
std::vector<std::string> UnsavedNames(const PrefabManager& prefabs, const std::string& editedLevel,
                                      bool editedLevelModified);

// The main palette's line about unsaved work: "All saved", or "Unsaved: 2 prefabs,
// 1 level". Levels are the "Lvl_" names (not the "Lvl_Sources" list); every other
// name counts as a prefab.
std::string UnsavedSummary(const PrefabManager& prefabs, const std::string& editedLevel, bool editedLevelModified);

// The first `shown` names, then "and N more" for the rest.
std::vector<std::string> FirstNames(const std::vector<std::string>& names, std::size_t shown = 5);
