#pragma once

#include "editor/undo/EditCommand.h"
#include "editor/undo/ObjectSlot.h"

#include <cstddef>
#include <string>
#include <vector>

class B2FixtureComponent;
class EditHistory;

// A finished shape edit: one fixture's "Shape" text before and after. The fixture is
// named through the slot of its level object (so an undone delete or a play-test
// keeps it found), the child indices down to its owner and its place among the
// owner's fixture components.
class ShapeEditCommand : public EditCommand {
public:
    ShapeEditCommand(EditHistory& history, B2FixtureComponent& fixture, std::string before, std::string after);

    void Undo() override { Apply(before_); }
    void Redo() override { Apply(after_); }
    std::vector<GameObject*> Touched() const override;

private:
    GameObject* Owner() const;
    void Apply(const std::string& text) const;

    ObjectRef object_;
    std::vector<std::size_t> path_;
    std::size_t fixtureIndex_ = 0;
    std::string before_;
    std::string after_;
};
