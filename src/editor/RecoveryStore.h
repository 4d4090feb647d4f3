#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

class GameObject;
class PrefabManager;

// Unsaved work kept in a directory of its own ("Recovery/" beside the executable),
// one "<prefab>.json" per modified prefab or level as it stands, never over the real
// files. What an earlier session left there is offered at start and can be loaded
// back as modified prefabs.
class RecoveryStore {
public:
    explicit RecoveryStore(std::filesystem::path directory);

    // Notes what the directory holds: the offer, by prefab name.
    const std::vector<std::string>& LookForOffer();
    const std::vector<std::string>& Offer() const { return offer_; }

    // The prefab files as they would be saved now: every modified prefab, and the
    // level (when given, under `levelName`) with its live objects as entries.
    static std::map<std::string, std::string> UnsavedWork(PrefabManager& prefabs, const GameObject* level,
                                                          const std::string& levelName);

    // Writes `work`, and removes the files this session wrote earlier that are no
    // longer unsaved; the offer's files stay until restored. False, with a message,
    // when a file could not be written.
    bool Write(const std::map<std::string, std::string>& work);

    // Loads the offer back into the manager as modified prefabs (one undo step when
    // the editor's history exists); returns the names restored. A file that does not
    // load is reported and skipped.
    std::vector<std::string> Restore(PrefabManager& prefabs);

    const std::filesystem::path& Directory() const { return directory_; }

private:
    std::filesystem::path FileOf(const std::string& name) const;

    std::filesystem::path directory_;
    std::vector<std::string> offer_;
    std::set<std::string> written_;
};
