#pragma once

#include "editor/undo/EditCommand.h"
#include "editor/undo/ObjectSlot.h"

// An object moved among its siblings by the object list's up and down buttons.
class SiblingMoveCommand : public EditCommand {
public:
    SiblingMoveCommand(ObjectRef object, int offset) : object_(std::move(object)), offset_(offset) {}

    void Undo() override { Move(-offset_); }
    void Redo() override { Move(offset_); }
    std::vector<GameObject*> Touched() const override;

private:
    void Move(int offset) const;

    ObjectRef object_;
    int offset_;
};

// Moves the object by `offset` among its siblings and pushes the step; nothing (and
// no step) when it cannot move that far.
void MoveAmongSiblingsWithUndo(GameObject& object, int offset);
