#pragma once

#include <string>

class PrefabManager;

// The main palette's line about unsaved work: "All saved", or "Unsaved: 2 prefabs,
// 1 level". Levels are the modified "Lvl_" prefabs (not the "Lvl_Sources" list) plus
// the level being edited when it is modified and its prefab is not already counted;
// every other modified prefab counts as a prefab. A prefab removed whose file is still
// there counts too: saving deletes the file.
std::string UnsavedSummary(const PrefabManager& prefabs, const std::string& editedLevel, bool editedLevelModified);
