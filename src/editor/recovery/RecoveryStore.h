#pragma once

#include "platform/FileFingerprint.h"

#include <boost/property_tree/ptree.hpp>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

class GameObject;
class PrefabManager;

// Unsaved work kept in a directory of its own ("Recovery/" in the player's state
// directory), one "<prefab>.json" per modified prefab or level as it stands, never
// over the real files. Each copy names the prefab file it was based on (its fingerprint when the
// work began), so a copy that a later save made out of date is never taken for the
// truth. What an earlier session left there is offered at start and can be loaded
// back as modified prefabs.
class RecoveryStore {
public:
    using Tree = boost::property_tree::ptree;

    struct Copy {
        std::string Name;
        // The prefab's file is not what the copy was based on: it was saved (or
        // changed otherwise) after the copy was made, so recovering undoes that.
        bool BaseChanged = false;
    };

    explicit RecoveryStore(std::filesystem::path directory);

    // Notes what the directory holds, each copy checked against its prefab's file
    // (PrefabManager::FileOf): the offer. Removes what copies cut short left behind.
    const std::vector<Copy>& LookForOffer(const PrefabManager& prefabs);
    const std::vector<Copy>& Offer() const { return offer_; }

    // The prefabs as they would be saved now: every modified prefab, and the level
    // (when given, under `levelName`) with its live objects as entries.
    static std::map<std::string, Tree> UnsavedWork(PrefabManager& prefabs, const GameObject* level,
                                                   const std::string& levelName);

    // Writes `work`, each copy with the fingerprint its prefab's file had when this
    // session first wrote a copy of it, and removes this session's copies of work no
    // longer unsaved; a copy that would say what its file says already is not
    // written again. The offer's files stay until restored. False, with a message in
    // the log, when a file could not be written.
    // With no directory (no HOME), nothing is kept and only empty work counts as kept.
    bool Write(const std::map<std::string, Tree>& work, const PrefabManager& prefabs);
    // Removes this session's copies of work not in `unsaved`: it was saved or reverted.
    void KeepOnly(const std::set<std::string>& unsaved);
    // Removes every copy this session wrote: the user threw that work away.
    void Discard() { KeepOnly({}); }

    // Loads the offer back into the manager as modified prefabs; returns the names
    // restored. A file that does not load is reported and skipped.
    std::vector<std::string> Restore(PrefabManager& prefabs);

    const std::filesystem::path& Directory() const { return directory_; }

private:
    std::filesystem::path FileOf(const std::string& name) const;

    std::filesystem::path directory_;
    std::vector<Copy> offer_;
    // This session's copies, with the fingerprint of the file each is based on.
    std::map<std::string, FileFingerprint> written_;
    // What each of them holds now.
    std::map<std::string, FileFingerprint> copiedTexts_;
    // The offer's bases, kept for the work once it is restored.
    std::map<std::string, FileFingerprint> offeredBases_;
};
