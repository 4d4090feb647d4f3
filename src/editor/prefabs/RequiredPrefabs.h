#pragma once

#include <string>

// The prefabs the game's code instances by name (new GameObject("..."), particles,
// cues, the roots and the levels it loads): without one of them the game cannot start
// or a feature breaks, so the editor neither removes nor renames them.
bool IsRequiredPrefab(const std::string& name);
