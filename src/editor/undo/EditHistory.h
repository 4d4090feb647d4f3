#pragma once

#include "editor/undo/EditCommand.h"
#include "editor/undo/ObjectSlot.h"

#include <cstddef>
#include <memory>
#include <vector>

// The undo and redo stacks of the editor, in memory. Pushing a new command drops
// what was undone; past Depth commands the oldest goes.
class EditHistory {
public:
    static constexpr std::size_t Depth = 200;

    void Push(std::unique_ptr<EditCommand> command);
    // The command undone or redone, or null when there is none.
    EditCommand* Undo();
    EditCommand* Redo();
    void Clear();
    std::size_t UndoCount() const { return done_.size(); }
    std::size_t RedoCount() const { return undone_.size(); }
    // Moves on with every push, undo, redo and clear: something may have changed.
    std::size_t Changes() const { return changes_; }

    // The one slot of a live object, shared by every command that names it.
    ObjectRef SlotFor(GameObject* object);

    // Around a play-test, which saves the level and loads it again as new objects in
    // the same order: remember each named object's index, then hand each slot the
    // object now at that index.
    void RememberIndices(const GameObject& level);
    void Rebind(const GameObject& level);

private:
    std::vector<ObjectRef> LiveSlots();

    std::vector<std::unique_ptr<EditCommand>> done_;
    std::vector<std::unique_ptr<EditCommand>> undone_;
    std::vector<std::weak_ptr<ObjectSlot>> slots_;
    std::size_t changes_ = 0;
};
