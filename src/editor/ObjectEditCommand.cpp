#include "editor/ObjectEditCommand.h"

void ObjectEditCommand::Run(const Step& step) const {
    if (GameObject* object = object_->Object.Get()) {
        step(*object);
    }
}

std::vector<GameObject*> ObjectEditCommand::Touched() const {
    if (GameObject* object = object_->Object.Get()) {
        return {object};
    }
    return {};
}
