#include "editor/recovery/UnsavedSummary.h"

#include "prefabs/PrefabManager.h"

#include <algorithm>

namespace {

bool IsLevelName(const std::string& name) { return name.rfind("Lvl_", 0) == 0 && name != "Lvl_Sources"; }

std::string Count(int n, const char* what) { return std::to_string(n) + " " + what + (n == 1 ? "" : "s"); }

}  // namespace

std::vector<std::string> UnsavedNames(const PrefabManager& prefabs, const std::string& editedLevel,
                                      bool editedLevelModified) {
    std::vector<std::string> names;
    for (const auto& [name, prefab] : prefabs.Prefabs()) {
        if (prefab->IsModified) {
            names.push_back(name);
        }
    }
    if (editedLevelModified && std::find(names.begin(), names.end(), editedLevel) == names.end()) {
        names.push_back(editedLevel);
    }
    for (const std::string& name : prefabs.PendingRemovals()) {
        names.push_back(name + " (removed)");
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string UnsavedSummary(const PrefabManager& prefabs, const std::string& editedLevel, bool editedLevelModified) {
    int prefabCount = 0;
    int levelCount = 0;
    for (const std::string& name : UnsavedNames(prefabs, editedLevel, editedLevelModified)) {
        (IsLevelName(name) ? levelCount : prefabCount) += 1;
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

std::vector<std::string> FirstNames(const std::vector<std::string>& names, std::size_t shown) {
    if (names.size() <= shown) {
        return names;
    }
    std::vector<std::string> first(names.begin(), names.begin() + static_cast<std::ptrdiff_t>(shown));
    first.push_back("and " + std::to_string(names.size() - shown) + " more");
    return first;
}
