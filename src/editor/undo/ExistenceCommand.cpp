#include "editor/undo/ExistenceCommand.h"

#include "core/GameObject.h"
#include "editor/level/CurrentLevel.h"

#include <algorithm>

void ExistenceCommand::Undo() {
    kind_ == Kind::Created ? Remove() : Bring();
}

void ExistenceCommand::Redo() {
    kind_ == Kind::Created ? Bring() : Remove();
}

// Ascending indices: each object goes back where it stood among those before it.
void ExistenceCommand::Bring() {
    GameObject* level = CurrentLevel();
    if (level == nullptr) {
        return;
    }
    for (Entry& entry : entries_) {
        if (entry.Object->Object.Get() == nullptr) {
            entry.Object->Object = entry.Record.Restore(*level);
        }
    }
}

// The place and placement are taken again (the running game may have moved things
// since); the slot is emptied at once, though the object lives on detached until
// the frame's deletion phase.
void ExistenceCommand::Remove() {
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
        GameObject* object = it->Object->Object.Get();
        if (object == nullptr) {
            continue;
        }
        if (const GameObject* level = object->Parent()) {
            const auto& siblings = level->Children();
            it->Record.Index = static_cast<std::size_t>(std::find(siblings.begin(), siblings.end(), object) - siblings.begin());
        }
        it->Record.Where = Placement::Of(*object);
        object->Destroy();
        it->Object->Object.Reset();
    }
}

std::vector<GameObject*> ExistenceCommand::Touched() const {
    std::vector<GameObject*> objects;
    for (const Entry& entry : entries_) {
        if (GameObject* object = entry.Object->Object.Get()) {
            objects.push_back(object);
        }
    }
    return objects;
}
