#pragma once

#include "editor/level/Placement.h"
#include "editor/undo/EditCommand.h"
#include "editor/undo/ObjectSlot.h"

#include <vector>

// A grab, rotation or nudge of level objects: each object's placement before and
// after.
class PlacementCommand : public EditCommand {
public:
    struct Move {
        ObjectRef Object;
        Placement Before;
        Placement After;
    };

    explicit PlacementCommand(std::vector<Move> moves) : moves_(std::move(moves)) {}

    void Undo() override;
    void Redo() override;
    std::vector<GameObject*> Touched() const override;

private:
    std::vector<Move> moves_;
};
