#pragma once

#include "editor/undo/EditCommand.h"
#include "editor/undo/ObjectSlot.h"

#include <functional>

// An edit of one live object from the edit palette (a property, a flag, its name, a
// component's place): the object is named by its slot, so the command follows it
// across play-tests; the two steps find what they change on it (a component by index,
// a property by name) and do nothing once the object is gone.
class ObjectEditCommand : public EditCommand {
public:
    using Step = std::function<void(GameObject&)>;

    // Made right after the change it takes back: an object of the level marks the
    // level modified, as every undo and redo of it does.
    ObjectEditCommand(ObjectRef object, Step undo, Step redo);

    void Undo() override { Run(undo_); }
    void Redo() override { Run(redo_); }
    std::vector<GameObject*> Touched() const override;

private:
    void Run(const Step& step) const;

    ObjectRef object_;
    Step undo_;
    Step redo_;
};
