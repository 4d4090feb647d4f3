#include "editor/RecoveryStore.h"

#include "core/ContentLog.h"
#include "core/GameObject.h"
#include "editor/EditorMessage.h"
#include "editor/LevelSession.h"
#include "editor/LevelStore.h"
#include "platform/AtomicFile.h"
#include "prefabs/PrefabManager.h"

#include <boost/property_tree/ptree.hpp>

#include <algorithm>
#include <memory>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

RecoveryStore::RecoveryStore(fs::path directory) : directory_(std::move(directory)) {}

fs::path RecoveryStore::FileOf(const std::string& name) const { return directory_ / (name + ".json"); }

const std::vector<std::string>& RecoveryStore::LookForOffer() {
    offer_.clear();
    std::error_code error;
    for (fs::directory_iterator it(directory_, error), end; !error && it != end; it.increment(error)) {
        if (it->path().extension() == ".json" && it->is_regular_file(error)) {
            offer_.push_back(it->path().stem().string());
        }
    }
    std::sort(offer_.begin(), offer_.end());
    return offer_;
}

std::map<std::string, std::string> RecoveryStore::UnsavedWork(PrefabManager& prefabs, const GameObject* level,
                                                              const std::string& levelName) {
    std::map<std::string, std::string> work;
    for (const auto& [name, prefab] : prefabs.Prefabs()) {
        if (prefab->IsModified) {
            work[name] = prefab->ToJson();
        }
    }
    const Prefab* sources = prefabs.Find(LevelSession::Sources);
    if (level != nullptr && sources != nullptr && !levelName.empty()) {
        // A copy of the level's prefab with the live objects as its entries.
        auto copy = std::make_unique<Prefab>(prefabs, levelName);
        if (const Prefab* stored = prefabs.Find(levelName)) {
            copy->Read(stored->Write());
        }
        LevelStore::FillEntries(*copy, *level, *sources);
        work[levelName] = copy->ToJson();
    }
    return work;
}

bool RecoveryStore::Write(const std::map<std::string, std::string>& work) {
    bool written = true;
    std::error_code error;
    if (!work.empty()) {
        fs::create_directories(directory_, error);
    }
    for (const auto& [name, text] : work) {
        try {
            WriteFileAtomically(FileOf(name), text);
            written_.insert(name);
        } catch (const std::exception& e) {
            ContentLog::Warning(std::string("recovery: ") + e.what());
            written = false;
        }
    }
    for (auto it = written_.begin(); it != written_.end();) {
        if (work.count(*it) == 0) {
            fs::remove(FileOf(*it), error);
            it = written_.erase(it);
        } else {
            ++it;
        }
    }
    return written;
}

std::vector<std::string> RecoveryStore::Restore(PrefabManager& prefabs) {
    std::vector<std::string> restored;
    for (const std::string& name : offer_) {
        auto loaded = std::make_unique<Prefab>(prefabs, name);
        try {
            loaded->Load(FileOf(name));
        } catch (const std::exception& e) {
            TellUser(std::string("Could not recover ") + name + ": " + e.what());
            continue;
        }
        Prefab* prefab = prefabs.Find(name);
        if (prefab == nullptr) {
            prefab = prefabs.Adopt(std::move(loaded));
        } else {
            // In place: the editor may hold the prefab itself.
            prefab->Components = std::move(loaded->Components);
            prefab->AutoCreates = std::move(loaded->AutoCreates);
            for (const auto& entry : prefab->AutoCreates) {
                entry->Owner = prefab;
            }
        }
        prefab->IsModified = true;
        written_.insert(name);
        restored.push_back(name);
    }
    offer_.clear();
    return restored;
}
