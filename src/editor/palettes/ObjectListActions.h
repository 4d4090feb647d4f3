#pragma once

#include <string>

class GameObject;

// What the object list does to the tree and the selection, apart from its widgets.
// Every change joins the editor's undo history.
namespace ObjectListActions {

// The object whose children are listed: the list root, or Root when there is none.
GameObject* ListedRoot();
// A row's text: the name, else the prefab name, else "GameObject"; "  [+]" after an
// object with children.
std::string RowLabel(const GameObject& object);

// Selects the object (the prefab and entry being edited are let go).
void Select(GameObject* object);
// Lists the object's children, or the list root's parent's (no change at the top).
void Descend(GameObject& object);
void Ascend();

// A new child of the listed root, selected: an instance of `prefabName`, or a plain
// object "NewObject" when the name is empty.
GameObject* Add(const std::string& prefabName);
// These act on the selected object and refuse the engine's own objects.
void RemoveSelected();
void MoveSelected(int offset);
// A fresh instance of the object's prefab in its place; one an entry made takes that
// entry's name and overrides again.
void ReloadSelected();
// Writes the selected object's values into its entry or prefab (one undo step).
void UpdatePrefabOfSelected();
// UpdatePrefabOfSelected, then saves the prefab owning the entry that made the
// object and the object's own prefab.
void SaveSelected();
// Edits the selected object's prefab in the prefab and edit palettes.
void EditPrefabOfSelected();

}  // namespace ObjectListActions
