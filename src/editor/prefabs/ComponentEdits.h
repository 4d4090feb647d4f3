#pragma once

#include "editor/level/EditTarget.h"

#include <cstddef>
#include <string>
#include <vector>

// The edit palette's component buttons on the shown component number `index` of a
// target, each one undoable step: on a live object the component itself (refused,
// with a message, on the engine's own objects and where the level could not keep the
// change, LevelKeeping; a level object's change marks the level modified), on an
// entry or prefab its stored entry (marking the prefab modified).
namespace ComponentEdits {

// Removes it (a live one at the end of the frame); false when refused or absent.
bool Remove(const EditTarget& target, std::size_t index);
// Moves it by offset, clamped; false when it stays where it is.
bool Move(const EditTarget& target, std::size_t index, int offset);

// Every registered type name but "PrefabComponent".
std::vector<std::string> AddableTypes();
// Appends a component of the type (a behaviour added live is started at once); false
// for a type not addable or nothing to add to.
bool Add(const EditTarget& target, const std::string& typeName);

}  // namespace ComponentEdits
