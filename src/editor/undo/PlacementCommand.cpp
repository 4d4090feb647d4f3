#include "editor/undo/PlacementCommand.h"

void PlacementCommand::Undo() {
    for (const Move& move : moves_) {
        if (GameObject* object = move.Object->Object.Get()) {
            move.Before.ApplyTo(*object);
        }
    }
}

void PlacementCommand::Redo() {
    for (const Move& move : moves_) {
        if (GameObject* object = move.Object->Object.Get()) {
            move.After.ApplyTo(*object);
        }
    }
}

std::vector<GameObject*> PlacementCommand::Touched() const {
    std::vector<GameObject*> objects;
    for (const Move& move : moves_) {
        if (GameObject* object = move.Object->Object.Get()) {
            objects.push_back(object);
        }
    }
    return objects;
}
