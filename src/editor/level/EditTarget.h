#pragma once

#include <memory>
#include <string>
#include <vector>

class AutoCreate;
class EditorState;
class GameObject;
class IEditable;
class Prefab;
class PrefabComponent;

// What the edit palette edits, taken from the selection: an entry first, then an
// object, then a prefab. Its components are the entry's stored overrides, the
// object's live components or the prefab's stored components.
struct EditTarget {
    enum class Kind { None, Entry, Object, Prefab };

    Kind What = Kind::None;
    AutoCreate* Entry = nullptr;
    GameObject* Object = nullptr;
    Prefab* StoredIn = nullptr;  // the selected prefab, or the prefab owning the entry

    static EditTarget FromSelection(const EditorState& state);

    std::string Title() const;
    bool IsLive() const { return What == Kind::Object; }
    // The editable parts shown, in order.
    std::vector<IEditable*> Components() const;
    // The stored components of an entry or prefab; null for an object or nothing.
    std::vector<std::unique_ptr<PrefabComponent>>* StoredComponents() const;
    // Compares what is shown, so the rows are rebuilt only when it changes.
    std::vector<const void*> Signature() const;
};

// The prefab whose AutoCreates hold entry, found among the manager's prefabs.
Prefab* PrefabOwningEntry(const AutoCreate* entry);
