#pragma once

#include <string>
#include <vector>

class AutoCreate;
class GameObject;
class PrefabManager;

// What names a prefab besides its own entry in the manager: the entries (AutoCreate)
// of every prefab, levels included, and the live objects made of it. A rename takes
// them along; a removal takes the entries, and the objects they made, with it.
// The engine's own objects (EngineObjects) are left as they are.
namespace PrefabReferences {

// The entries of every prefab that create `name`.
std::vector<AutoCreate*> EntriesNaming(const PrefabManager& prefabs, const std::string& name);
// Those entries create `to` instead; their prefabs are marked modified.
void RenameEntries(const PrefabManager& prefabs, const std::string& from, const std::string& to);
// Deletes those entries; their prefabs are marked modified.
void RemoveEntries(const PrefabManager& prefabs, const std::string& name);

// The live objects below root made of `from` are made of `to`, and named `to` when
// they were named after `from` by no entry or an unnamed one (as that entry names them
// on loading).
void RenameObjects(GameObject& root, const std::string& from, const std::string& to);
// The live objects below root that one of `entries` made (not those inside them).
std::vector<GameObject*> ObjectsMadeBy(GameObject& root, const std::vector<AutoCreate*>& entries);

// "Lvl_A (2), Lvl_B": the prefabs holding the entries, with how many when more than one.
std::string OwnersOf(const std::vector<AutoCreate*>& entries);

}  // namespace PrefabReferences
