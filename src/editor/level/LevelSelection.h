#pragma once

#include "core/WeakHandle.h"

#include <vector>

class GameObject;

// The level editor's selection: an ordered list of level objects without
// duplicates, held weakly. An object that is deleted, or leaves the level, is no
// longer in it (Objects() reads only the ones still there).
class LevelSelection {
public:
    // The selected objects that are still live direct children of `level`, in order;
    // the others are dropped.
    const std::vector<GameObject*>& Objects(const GameObject* level);

    void Clear() { handles_.clear(); }
    void Set(const std::vector<GameObject*>& objects);
    void Add(GameObject* object);
    // Adds the object, or removes it when it is selected.
    void Toggle(GameObject* object);

private:
    std::vector<WeakHandle<GameObject>> handles_;
    std::vector<GameObject*> live_;
};
