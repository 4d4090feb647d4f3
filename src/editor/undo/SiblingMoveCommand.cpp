#include "editor/undo/SiblingMoveCommand.h"

#include "core/Engine.h"
#include "editor/EditorState.h"

#include <algorithm>

namespace {

std::size_t IndexAmongSiblings(const GameObject& object) {
    const auto& siblings = object.Parent()->Children();
    return static_cast<std::size_t>(std::find(siblings.begin(), siblings.end(), &object) - siblings.begin());
}

}  // namespace

void SiblingMoveCommand::Move(int offset) const {
    if (GameObject* object = object_->Object.Get()) {
        object->MoveAmongSiblings(offset);
    }
}

std::vector<GameObject*> SiblingMoveCommand::Touched() const {
    if (GameObject* object = object_->Object.Get()) {
        return {object};
    }
    return {};
}

void MoveAmongSiblingsWithUndo(GameObject& object, int offset) {
    if (object.Parent() == nullptr) {
        return;
    }
    const std::size_t before = IndexAmongSiblings(object);
    object.MoveAmongSiblings(offset);
    if (IndexAmongSiblings(object) != before && Engine::EditorState != nullptr) {
        EditHistory& history = Engine::EditorState->History;
        history.Push(std::make_unique<SiblingMoveCommand>(history.SlotFor(&object), offset));
    }
}
