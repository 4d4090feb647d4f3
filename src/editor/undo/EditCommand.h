#pragma once

#include <vector>

class GameObject;

// One change made in the editor that can be taken back and made again. Level edits
// (moves, placing, deleting) are commands; so will be the palettes' property edits.
class EditCommand {
public:
    virtual ~EditCommand() = default;
    virtual void Undo() = 0;
    virtual void Redo() = 0;
    // The live objects the command touched, for the selection after an undo or redo.
    virtual std::vector<GameObject*> Touched() const { return {}; }
};
