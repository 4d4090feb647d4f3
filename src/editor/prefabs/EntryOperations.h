#pragma once

#include <string>

class AutoCreate;
class EditorState;
class Prefab;
class PrefabManager;

// The entry list's changes to a prefab's AutoCreate entries. Each marks the entry's
// own prefab modified (whatever SelectedPrefabName names meanwhile), moves the
// editor's entry selection along and joins the undo history.
class EntryOperations {
public:
    // Over Engine::Prefabs and Engine::EditorState.
    EntryOperations();
    EntryOperations(PrefabManager& prefabs, EditorState& state);

    // Appends an entry creating `prefabName` to owner, with one empty override per
    // component of that prefab, and selects it; null when there is no such prefab.
    AutoCreate* Add(Prefab& owner, const std::string& prefabName);
    // Deletes the entry; the one now at its place (or the new last one) is selected,
    // nothing when it was the only one.
    void Remove(AutoCreate& entry);
    // Inserts a copy right after the entry and selects it.
    AutoCreate* Duplicate(AutoCreate& entry);
    // Swaps the entry with its neighbour `offset` places away, when there is one.
    void Move(AutoCreate& entry, int offset);

private:
    void Select(AutoCreate* entry);
    // Runs the change between the two records of an undo step for owner.
    template <class Change>
    void Recorded(Prefab& owner, Change&& change);

    PrefabManager& prefabs_;
    EditorState& state_;
};
