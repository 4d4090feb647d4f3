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

    void Clear();
    void Set(const std::vector<GameObject*>& objects);
    void Add(GameObject* object);
    // Adds the object, or removes it when it is selected.
    void Toggle(GameObject* object);

    // Counts every change of the selection, one dropped by Objects() included, so a
    // reader sees a change even when the same objects are selected again.
    unsigned Changes() const { return changes_; }

private:
    std::vector<WeakHandle<GameObject>> handles_;
    unsigned changes_ = 0;
    std::vector<GameObject*> live_;
};
