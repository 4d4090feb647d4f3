#include "editor/level/LevelSelection.h"

#include "core/GameObject.h"

#include <algorithm>

const std::vector<GameObject*>& LevelSelection::Objects(const GameObject* level) {
    const auto dropped = std::erase_if(handles_, [level](const WeakHandle<GameObject>& handle) {
        const GameObject* object = handle.Get();
        return object == nullptr || level == nullptr || object->Parent() != level || object->IsQueuedForDeletion();
    });
    changes_ += dropped > 0 ? 1 : 0;
    live_.clear();
    for (const auto& handle : handles_) {
        live_.push_back(handle.Get());
    }
    return live_;
}

void LevelSelection::Clear() {
    changes_ += handles_.empty() ? 0 : 1;
    handles_.clear();
}

void LevelSelection::Set(const std::vector<GameObject*>& objects) {
    handles_.clear();
    for (GameObject* object : objects) {
        Add(object);
    }
    ++changes_;
}

void LevelSelection::Add(GameObject* object) {
    const bool present = std::any_of(handles_.begin(), handles_.end(),
                                     [object](const WeakHandle<GameObject>& h) { return h.Get() == object; });
    if (object != nullptr && !present) {
        handles_.emplace_back(object);
        ++changes_;
    }
}

void LevelSelection::Toggle(GameObject* object) {
    const auto at = std::find_if(handles_.begin(), handles_.end(),
                                 [object](const WeakHandle<GameObject>& h) { return h.Get() == object; });
    if (at != handles_.end()) {
        handles_.erase(at);
        ++changes_;
    } else {
        Add(object);
    }
}
