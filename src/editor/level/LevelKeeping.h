#pragma once

#include <string>

class AutoCreate;
class Component;
class GameObject;

// What a level file keeps of the live objects below "Level" (LevelStore::FillEntries),
// and the refusal of live edits it would not keep, so that no edit counts as the
// level's and is then dropped by its save. A placed object (a child of the level
// that "Lvl_Sources" lists) keeps its name, its place, the values its sources entry
// names and the components added to it in the editor, whole, one of a type, after
// those its prefab makes. Nothing else below the level is kept: not the level's own
// live values, not the objects inside placed objects, not the other values of the
// components a placed object's prefab makes, nor their order, nor any flags.
//
// Each check answers "" when the change can be kept, and always for objects outside
// the level or not listed in "Lvl_Sources" (whose save is refused as a whole);
// otherwise a sentence for the user.
namespace LevelKeeping {

// The "Lvl_Sources" entry of a placed object of the current level, else null.
const AutoCreate* SourceOf(const GameObject& object);

// The object's live components: one of a type added, one removed, one moved by offset
// (clamped), a property of one changed.
std::string RefusalToAdd(const GameObject& object, const std::string& typeName);
std::string RefusalToRemove(const GameObject& object, const Component& component);
std::string RefusalToMove(const GameObject& object, const Component& component, int offset);
std::string RefusalToEdit(const GameObject& object, const Component& component, const std::string& property);

// Turning the object (the level editor's R): its rotation, the position component's
// or else the body's, must be a value its sources entry lists.
std::string RefusalToTurn(const GameObject& object);

// The object's name, and its input, update and draw flags.
std::string RefusalToRename(const GameObject& object);
std::string RefusalToSwitch(const GameObject& object);

// Adding, removing or reordering the children of parent.
std::string RefusalToChangeChildren(const GameObject& parent);
// Removing or reloading the object, which takes the unsaved level with it when it is
// the level or holds it.
std::string RefusalToTakeOut(const GameObject& object);

}  // namespace LevelKeeping
