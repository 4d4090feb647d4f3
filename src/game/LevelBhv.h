#pragma once

#include "core/Behavior.h"

#include <string>

// Carried by every level prefab so the editor can list the levels by name and in
// order of SortOrder (lowest first).
class LevelBhv : public Behavior {
public:
    LevelBhv() {
        AddProperty("LevelName", LevelName);
        AddProperty("SortOrder", SortOrder);
    }

    std::string LevelName;
    int SortOrder = 0;
    // Changed in the editor since it was loaded or saved; not stored.
    bool IsModified = false;
};
