#pragma once

#include "editor/undo/ObjectEditCommand.h"

#include <cstddef>
#include <memory>
#include <string>

class Component;
class PrefabComponent;

// The undo and redo steps of live component edits (ComponentEdits): each finds its
// component by index on whatever object the command's slot names then, so the steps
// follow an object that was re-instanced meanwhile.
namespace ComponentSteps {

// A component's type and every value, to make it again.
std::shared_ptr<const PrefabComponent> Snapshot(const Component& component);

// A component made from the snapshot (a behaviour started) and put at `index`.
ObjectEditCommand::Step Insert(std::shared_ptr<const PrefabComponent> snapshot, std::size_t index);
// The component at `index` removed at the end of the frame.
ObjectEditCommand::Step Erase(std::size_t index);
// The component at `index` moved by offset.
ObjectEditCommand::Step Shift(std::size_t index, int offset);

}  // namespace ComponentSteps
