#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

class GameObject;

// The level editor's dealings with level files: saving, switching, and the working
// copy a play-test runs on. Every refusal or failure is told to the user; nothing
// here throws.
class LevelSession {
public:
    static constexpr const char* WorkingCopy = "Lvl_WorkingCopy";
    static constexpr const char* Sources = "Lvl_Sources";

    // The level's own prefab name while the working copy stands in for it.
    std::string OwnLevelName;

    std::vector<std::string> ListLevels() const;

    // Writes the current level into the prefab `name`. Refused, with a message naming
    // them, while the level holds objects "Lvl_Sources" does not list; refused once,
    // with a warning, when another writer changed the file since it was loaded or
    // saved (the next save overwrites it); a file the editor wrote itself holds what
    // its prefab holds. A failed write keeps the level modified.
    bool SaveLevelAs(const std::string& name);
    // Alt+S: under the level's own name, also while the working copy is in use.
    bool SaveCurrent();
    // Loads the listed level `offset` places from the current one (wrapping). Does
    // nothing, with a message, when none is listed, or when the level has unsaved
    // changes and they are not to be dropped.
    bool SwitchLevel(int offset, bool dropChanges = false);
    bool HasUnsavedLevel() const;
    // F1's opening: the level loaded afresh from its prefab (the working copy coming
    // back under its own name, marked modified). A level with unsaved changes that is
    // not the working copy is kept as it is.
    void OpenWorkingCopy();
    // F1's closing: the level saved as the working copy and named so. False, with the
    // editor to stay open, when that save fails.
    bool CloseForPlayTest();

    // The name to save the current level under.
    std::string OwnName() const;
    // Remembers the time of every level file now on disk.
    void RecordFileTimes();
    // A prefab renamed in the editor takes the level's names along.
    void FollowRename(const std::string& oldName, const std::string& newName);

private:
    bool ChangedOnDisk(const std::string& name);
    void RecordFileTime(const std::string& name);
    std::filesystem::path FileOf(const std::string& name) const;

    std::map<std::string, std::filesystem::file_time_type> fileTimes_;
    std::string overwriteAsked_;
};
