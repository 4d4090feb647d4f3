#pragma once

#include "editor/level/LevelObjectRecord.h"
#include "editor/undo/EditCommand.h"
#include "editor/undo/ObjectSlot.h"

#include <vector>

// Level objects placed (or duplicated) or deleted. Taking a placement back removes
// the objects; taking a deletion back re-instances them from their prefabs with
// their stored values at their old places among the level's children, and hands
// each new object the slot of the old one.
class ExistenceCommand : public EditCommand {
public:
    struct Entry {
        ObjectRef Object;
        LevelObjectRecord Record;
    };
    enum class Kind { Created, Deleted };

    // Entries in ascending order of Record.Index.
    ExistenceCommand(Kind kind, std::vector<Entry> entries) : kind_(kind), entries_(std::move(entries)) {}

    void Undo() override;
    void Redo() override;
    std::vector<GameObject*> Touched() const override;

private:
    void Bring();
    void Remove();

    Kind kind_;
    std::vector<Entry> entries_;
};
