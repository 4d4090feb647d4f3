#include "editor/undo/ObjectEditCommand.h"

#include "editor/level/CurrentLevel.h"

ObjectEditCommand::ObjectEditCommand(ObjectRef object, Step undo, Step redo)
    : object_(std::move(object)), undo_(std::move(undo)), redo_(std::move(redo)) {
    if (const GameObject* changed = object_->Object.Get()) {
        MarkLevelModifiedBy(*changed);
    }
}

void ObjectEditCommand::Run(const Step& step) const {
    if (GameObject* object = object_->Object.Get()) {
        step(*object);
        MarkLevelModifiedBy(*object);
    }
}

std::vector<GameObject*> ObjectEditCommand::Touched() const {
    if (GameObject* object = object_->Object.Get()) {
        return {object};
    }
    return {};
}
