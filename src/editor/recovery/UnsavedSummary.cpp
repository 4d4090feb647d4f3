#include "editor/recovery/UnsavedSummary.h"

#include "prefabs/PrefabManager.h"

namespace {

bool IsLevelName(const std::string& name) { return name.rfind("Lvl_", 0) == 0 && name != "Lvl_Sources"; }

std::string Count(int n, const char* what) { return std::to_string(n) + " " + what + (n == 1 ? "" : "s"); }

}  // namespace

std::string UnsavedSummary(const PrefabManager& prefabs, const std::string& editedLevel, bool editedLevelModified) {
    int prefabCount = 0;
    int levelCount = 0;
    bool editedCounted = false;
    for (const auto& [name, prefab] : prefabs.Prefabs()) {
        if (!prefab->IsModified) {
            continue;
        }
        const bool level = IsLevelName(name);
        (level ? levelCount : prefabCount) += 1;
        editedCounted = editedCounted || (level && name == editedLevel);
    }
    for (const std::string& name : prefabs.PendingRemovals()) {
        (IsLevelName(name) ? levelCount : prefabCount) += 1;  // the next save all deletes its file
    }
    if (editedLevelModified && !editedCounted) {
        ++levelCount;
    }
    if (prefabCount == 0 && levelCount == 0) {
        return "All saved";
    }
    std::string text = "Unsaved: ";
    if (prefabCount > 0) {
        text += Count(prefabCount, "prefab") + (levelCount > 0 ? ", " : "");
    }
    return levelCount > 0 ? text + Count(levelCount, "level") : text;
}
