#pragma once

#include "core/GameObject.h"
#include "core/WeakHandle.h"

#include <memory>

// Names one level object across undo and redo. An undone delete re-instances the
// object as a new GameObject and puts it into the same slot, so every older command
// that names it follows.
struct ObjectSlot {
    WeakHandle<GameObject> Object;
    // The object's place among the level's children when the level was saved for a
    // play-test, so the reloaded level's object can take the slot over.
    int SavedIndex = -1;
};
using ObjectRef = std::shared_ptr<ObjectSlot>;
