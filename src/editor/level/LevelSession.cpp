#include "editor/level/LevelSession.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "core/LongWork.h"
#include "editor/EditorMessage.h"
#include "editor/level/CurrentLevel.h"
#include "editor/level/LevelStore.h"
#include "game/GameplayScreenBhv.h"
#include "game/LevelBhv.h"
#include "prefabs/PrefabManager.h"

#include <algorithm>
#include <exception>
#include <fstream>
#include <sstream>

namespace {

void ApplyStoredLevelValues(const std::string& prefabName, LevelBhv& live) {
    const Prefab* prefab = Engine::Prefabs->Find(prefabName);
    if (prefab == nullptr) {
        return;
    }
    for (const auto& component : prefab->Components) {
        if (component->TypeName == "LevelBhv") {
            for (const auto& [name, value] : component->Properties) {
                if (PropertyRegistration* target = live.FindProperty(name)) {
                    value->AssignTo(*target);
                }
            }
        }
    }
}

}  // namespace

std::vector<std::string> LevelSession::ListLevels() const {
    return Engine::Prefabs != nullptr ? LevelStore::ListLevels(*Engine::Prefabs) : std::vector<std::string>{};
}

std::filesystem::path LevelSession::FileOf(const std::string& name) const {
    return Engine::Prefabs->FileOf(name);
}

void LevelSession::RecordFileTime(const std::string& name) {
    std::error_code error;
    const auto time = std::filesystem::last_write_time(FileOf(name), error);
    if (!error) {
        fileTimes_[name] = time;
    }
}

void LevelSession::RecordFileTimes() {
    if (Engine::Prefabs == nullptr) {
        return;
    }
    for (const auto& [name, prefab] : Engine::Prefabs->Prefabs()) {
        if (name.rfind("Lvl_", 0) == 0) {
            RecordFileTime(name);
        }
    }
}

// A file the editor saved itself (Ctrl+S on an object, save all) holds what the prefab
// in memory holds: only another writer's change counts.
bool LevelSession::ChangedOnDisk(const std::string& name) {
    const auto known = fileTimes_.find(name);
    std::error_code error;
    const auto now = std::filesystem::last_write_time(FileOf(name), error);
    if (known == fileTimes_.end() || error || now == known->second) {
        return false;
    }
    const Prefab* prefab = Engine::Prefabs->Find(name);
    std::ifstream in(FileOf(name), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return prefab == nullptr || text.str() != prefab->ToJson();
}

std::string LevelSession::OwnName() const {
    const GameObject* level = CurrentLevel();
    if (level == nullptr) {
        return "";
    }
    return level->PrefabName == WorkingCopy && !OwnLevelName.empty() ? OwnLevelName : level->PrefabName;
}

bool LevelSession::SaveCurrent() {
    if (!SaveLevelAs(OwnName())) {
        return false;
    }
    const Prefab* saved = Engine::Prefabs->Find(OwnName());
    TellUser("Saved " + (saved != nullptr ? saved->FilePath().filename().string() : OwnName()));
    return true;
}

bool LevelSession::SaveLevelAs(const std::string& name) {
    const LongWork saving;  // a large level on a slow disk
    GameObject* level = CurrentLevel();
    const Prefab* sources = Engine::Prefabs != nullptr ? Engine::Prefabs->Find(Sources) : nullptr;
    if (level == nullptr || sources == nullptr || name.empty()) {
        TellUser(sources == nullptr ? "Cannot save: no prefab Lvl_Sources" : "Cannot save: no level");
        return false;
    }
    if (const auto unlisted = LevelStore::UnlistedObjects(*level, sources); !unlisted.empty()) {
        TellUser("Cannot save " + name + ": not in Lvl_Sources: " + JoinNames(unlisted));
        return false;
    }
    if (name != WorkingCopy && overwriteAsked_ != name && ChangedOnDisk(name)) {
        overwriteAsked_ = name;
        TellUser(name + ".json changed on disk since it was loaded; Alt+S again overwrites it");
        return false;
    }
    try {
        LevelStore::SaveLevelAs(*Engine::Prefabs, name, *level, *sources);
    } catch (const std::exception& e) {
        TellUser(std::string("Save failed: ") + e.what());
        return false;
    }
    overwriteAsked_.clear();
    RecordFileTime(name);
    if (LevelBhv* live = CurrentLevelBhv(); live != nullptr && name != WorkingCopy) {
        live->IsModified = false;
    }
    return true;
}

bool LevelSession::HasUnsavedLevel() const {
    const LevelBhv* live = CurrentLevelBhv();
    return live != nullptr && live->IsModified;
}

bool LevelSession::SwitchLevel(int offset, bool dropChanges) {
    GameObject* level = CurrentLevel();
    const std::vector<std::string> levels = ListLevels();
    if (level == nullptr || levels.empty()) {
        TellUser("No level to switch to");
        return false;
    }
    if (HasUnsavedLevel() && !dropChanges) {
        TellUser("Unsaved changes: save with Alt+S before switching");
        return false;
    }
    const auto at = std::find(levels.begin(), levels.end(), OwnName());
    const int count = static_cast<int>(levels.size());
    int index = static_cast<int>(at - levels.begin()) + offset;
    index = index >= count ? 0 : (index < 0 ? count - 1 : index);
    Engine::GameplayScreen->LoadLevel(levels[static_cast<std::size_t>(index)]);
    OwnLevelName.clear();
    return true;
}

void LevelSession::OpenWorkingCopy() {
    const GameObject* level = CurrentLevel();
    const LevelBhv* live = CurrentLevelBhv();
    if (level == nullptr || Engine::GameplayScreen == nullptr) {
        return;
    }
    const bool workingCopy = level->PrefabName == WorkingCopy;
    if (!workingCopy && live != nullptr && live->IsModified) {
        return;  // unsaved edits made with the game running: they stay
    }
    Engine::GameplayScreen->LoadLevel(level->PrefabName);
    GameObject* fresh = CurrentLevel();
    if (fresh == nullptr || fresh->PrefabName != WorkingCopy) {
        return;
    }
    fresh->PrefabName = OwnLevelName;
    if (LevelBhv* restored = CurrentLevelBhv()) {
        ApplyStoredLevelValues(OwnLevelName, *restored);
        restored->IsModified = true;
    }
}

bool LevelSession::CloseForPlayTest() {
    GameObject* level = CurrentLevel();
    if (level == nullptr) {
        return true;
    }
    const std::string own = OwnName();
    if (!SaveLevelAs(WorkingCopy)) {
        return false;
    }
    OwnLevelName = own;
    level->PrefabName = WorkingCopy;
    return true;
}

void LevelSession::FollowRename(const std::string& oldName, const std::string& newName) {
    if (OwnLevelName == oldName) {
        OwnLevelName = newName;
    }
    if (GameObject* level = CurrentLevel(); level != nullptr && level->PrefabName == oldName) {
        level->PrefabName = newName;
    }
}
