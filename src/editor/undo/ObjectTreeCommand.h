#pragma once

#include "editor/level/LevelObjectRecord.h"
#include "editor/undo/EditCommand.h"
#include "editor/undo/ObjectSlot.h"

#include <memory>

class AutoCreate;

// An object added to, or removed from, any parent in the tree (the object list's
// add, remove and reload). Taking a removal back re-instances the object from its
// prefab (a plain object when it has none) with its name, its place among the
// parent's children, its placement and the values its making entry (or, in a level,
// its "Lvl_Sources" entry) stores, into the same slot.
class ObjectTreeCommand : public EditCommand {
public:
    enum class Kind { Created, Deleted };

    // Call before the object is removed, or after it was added.
    ObjectTreeCommand(Kind kind, GameObject& object);

    void Undo() override;
    void Redo() override;
    std::vector<GameObject*> Touched() const override;

    // Removes the object now: detached at once, deleted in the deletion phase.
    void Remove();
    // The object's place among its parent's children, as last recorded.
    std::size_t Index() const { return record_.Index; }

private:
    void Bring();

    Kind kind_;
    ObjectRef parent_;
    ObjectRef object_;
    WeakHandle<const AutoCreate> madeBy_;
    LevelObjectRecord record_;
};
