#include "editor/recovery/RecoveryStore.h"

#include "core/ContentFile.h"
#include "core/ContentLog.h"
#include "core/GameObject.h"
#include "editor/EditorMessage.h"
#include "editor/level/LevelSession.h"
#include "editor/level/LevelStore.h"
#include "platform/AtomicFile.h"
#include "prefabs/PrefabManager.h"

#include <boost/property_tree/json_parser.hpp>

#include <algorithm>
#include <memory>
#include <optional>
#include <sstream>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace {

// A copy is {"Base": <fingerprint>, "Prefab": <the prefab as saved>}; a copy
// without "Base" (written before copies had one) is the bare prefab, its base unknown.
constexpr const char* BaseKey = "Base";
constexpr const char* PrefabKey = "Prefab";

RecoveryStore::Tree BaseTree(const FileFingerprint& base) {
    RecoveryStore::Tree tree;
    tree.put("Exists", base.Exists);
    tree.put("Size", base.Size);
    std::ostringstream hash;
    hash << std::hex << base.Hash;
    tree.put("Hash", hash.str());
    return tree;
}

std::optional<FileFingerprint> BaseOf(const RecoveryStore::Tree& copy) {
    const auto base = copy.get_child_optional(BaseKey);
    if (!base) {
        return std::nullopt;
    }
    FileFingerprint read;
    read.Exists = base->get("Exists", false);
    read.Size = base->get<std::uintmax_t>("Size", 0);
    std::istringstream hash(base->get<std::string>("Hash", ""));
    hash >> std::hex >> read.Hash;
    return read;
}

}  // namespace

RecoveryStore::RecoveryStore(fs::path directory) : directory_(std::move(directory)) {}

fs::path RecoveryStore::FileOf(const std::string& name) const { return directory_ / (name + ".json"); }

const std::vector<RecoveryStore::Copy>& RecoveryStore::LookForOffer(const PrefabManager& prefabs) {
    offer_.clear();
    offeredBases_.clear();
    if (directory_.empty()) {
        return offer_;
    }
    RemoveLeftoverTemporaries(directory_);  // of a copy cut short by a crash
    std::error_code error;
    for (fs::directory_iterator it(directory_, error), end; !error && it != end; it.increment(error)) {
        if (it->path().extension() != ".json" || !it->is_regular_file(error)) {
            continue;
        }
        const std::string name = it->path().stem().string();
        std::optional<FileFingerprint> base;
        try {
            base = BaseOf(ContentFile::ReadJson(it->path()).Root());
        } catch (const std::exception& e) {
            ContentLog::Warning(std::string("recovery: ") + e.what());
        }
        const FileFingerprint now = FileFingerprint::Of(prefabs.FileOf(name));
        offer_.push_back({name, !base || *base != now});
        offeredBases_[name] = base.value_or(FileFingerprint{});
    }
    std::sort(offer_.begin(), offer_.end(), [](const Copy& a, const Copy& b) { return a.Name < b.Name; });
    return offer_;
}

std::map<std::string, RecoveryStore::Tree> RecoveryStore::UnsavedWork(PrefabManager& prefabs, const GameObject* level,
                                                                      const std::string& levelName) {
    std::map<std::string, Tree> work;
    for (const auto& [name, prefab] : prefabs.Prefabs()) {
        if (prefab->IsModified) {
            work[name] = prefab->Write();
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
        work[levelName] = copy->Write();
    }
    return work;
}

bool RecoveryStore::Write(const std::map<std::string, Tree>& work, const PrefabManager& prefabs) {
    if (directory_.empty()) {
        return work.empty();
    }
    std::set<std::string> names;
    for (const auto& [name, tree] : work) {
        names.insert(name);
    }
    KeepOnly(names);
    bool written = true;
    std::error_code error;
    if (!work.empty()) {
        fs::create_directories(directory_, error);
    }
    for (const auto& [name, prefab] : work) {
        // The base is the file as it was when this work began, not as it is now.
        const auto known = written_.find(name);
        const FileFingerprint base =
            known != written_.end() ? known->second : FileFingerprint::Of(prefabs.FileOf(name));
        Tree copy;
        copy.add_child(BaseKey, BaseTree(base));
        copy.add_child(PrefabKey, prefab);
        std::ostringstream text;
        boost::property_tree::write_json(text, copy, true);
        const FileFingerprint copied = FileFingerprint::OfBytes(text.str());
        if (known != written_.end() && copiedTexts_[name] == copied) {
            continue;  // the copy on disk says this already
        }
        try {
            WriteFileAtomically(FileOf(name), text.str());
            written_[name] = base;
            copiedTexts_[name] = copied;
        } catch (const std::exception& e) {
            ContentLog::Warning(std::string("recovery: ") + e.what());
            written = false;
        }
    }
    return written;
}

void RecoveryStore::KeepOnly(const std::set<std::string>& unsaved) {
    for (auto it = written_.begin(); it != written_.end();) {
        if (unsaved.count(it->first) == 0) {
            std::error_code error;
            fs::remove(FileOf(it->first), error);
            copiedTexts_.erase(it->first);
            it = written_.erase(it);
        } else {
            ++it;
        }
    }
}

std::vector<std::string> RecoveryStore::Restore(PrefabManager& prefabs) {
    std::vector<std::string> restored;
    for (const Copy& offered : offer_) {
        const std::string& name = offered.Name;
        auto loaded = std::make_unique<Prefab>(prefabs, name);
        try {
            const ContentFile file = ContentFile::ReadJson(FileOf(name));
            const auto prefab = file.Root().get_child_optional(PrefabKey);
            file.Reading([&] { loaded->Read(prefab && BaseOf(file.Root()) ? *prefab : file.Root()); });
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
        // Still based on what the copy was: a crash now offers it with the same warning.
        written_[name] = offeredBases_[name];
        restored.push_back(name);
    }
    offer_.clear();
    offeredBases_.clear();
    return restored;
}
