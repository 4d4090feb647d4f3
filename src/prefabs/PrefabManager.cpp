#include "prefabs/PrefabManager.h"

#include "core/ContentError.h"
#include "core/ContentFile.h"
#include "core/ContentLog.h"
#include "core/Engine.h"
#include "core/GameConfig.h"
#include "core/LongWork.h"
#include "core/LowerExtension.h"
#include "platform/AtomicFile.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {

bool IsPrefabFile(const std::filesystem::directory_entry& entry) {
    std::error_code error;
    if (!entry.is_regular_file(error)) {
        return false;
    }
    return LowerExtension(entry.path()) == ".json";
}

std::string Numbered(const std::string& name, int counter) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".%03d", counter);
    return name + suffix;
}

}  // namespace

PrefabManager::~PrefabManager() {
    prototypes_.clear();
    prefabs_.clear();
}

void PrefabManager::RegisterTypes(const std::function<void(PrefabManager&)>& registerAll) {
    registerAll(*this);
    CreatePrototypes();
    LoadPrefabDirectory();
}

void PrefabManager::LeaveOutPrefabsUsing(std::function<bool(const std::string&)> test) {
    leftOutType_ = std::move(test);
}

void PrefabManager::CreatePrototypes() {
    for (const auto& [name, type] : types_) {
        prototypes_[name] = type.Factory();
    }
}

template <class Visit>
void PrefabManager::ForEachPrefabFile(const std::filesystem::path& directory, Visit&& visit) const {
    try {
        for (const auto& entry : std::filesystem::directory_iterator(directory)) {
            if (IsPrefabFile(entry)) {
                visit(entry.path());
            }
        }
    } catch (const std::filesystem::filesystem_error& e) {
        throw ContentError(directory, e.code().message());
    }
}

void PrefabManager::LoadPrefabDirectory() {
    const std::vector<std::filesystem::path> directories = ReadDirectories();
    for (std::size_t i = 0; i < directories.size(); ++i) {
        std::error_code error;
        if (i > 0 && !std::filesystem::exists(directories[i], error)) {
            continue;  // the player has saved nothing yet
        }
        // A later directory's file replaces the prefab of the same name.
        std::string names;
        ForEachPrefabFile(directories[i], [&](const std::filesystem::path& file) {
            const ContentFile read = ContentFile::ReadJson(file);
            if (UsesLeftOutType(read)) {
                return;
            }
            const std::string stem = file.stem().string();
            auto prefab = std::make_unique<Prefab>(*this, stem);
            prefab->Load(read);
            prefabs_[stem] = std::move(prefab);
            removedNames_.erase(stem);
            names += (names.empty() ? "" : ", ") + stem;
        });
        if (i > 0) {
            names += ForgetRemovedPrefabs(directories[i]);
            if (names.rfind(", ", 0) == 0) {
                names.erase(0, 2);
            }
        }
        if (i > 0 && !names.empty()) {
            // Says why the game differs from what it ships, and where to undo that.
            ContentLog::Info("your own prefabs from " + directories[i].string() + ": " + names);
        }
    }
}

bool PrefabManager::UsesLeftOutType(const ContentFile& read) const {
    if (!leftOutType_) {
        return false;
    }
    const auto components = read.Root().get_child_optional("Components");
    if (!components) {
        return false;
    }
    return std::any_of(components->begin(), components->end(),
                       [this](const auto& component) { return leftOutType_(component.first); });
}

std::string PrefabManager::ForgetRemovedPrefabs(const std::filesystem::path& directory) {
    std::string names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
        if (it->path().extension() == RemovalExtension) {
            prefabs_.erase(it->path().stem().string());
            names += ", " + it->path().stem().string() + " (removed)";
        }
    }
    return names;
}

std::filesystem::path PrefabManager::RemovalMarker(const std::string& name) const {
    return SaveDirectory() / (name + RemovalExtension);
}

const PrefabManager::ComponentType* PrefabManager::FindType(const std::string& name) const {
    auto at = types_.find(name);
    return at != types_.end() ? &at->second : nullptr;
}

const IEditable* PrefabManager::FindPrototype(const std::string& name) const {
    auto at = prototypes_.find(name);
    return at != prototypes_.end() ? at->second.get() : nullptr;
}

std::unique_ptr<IEditable> PrefabManager::Create(const std::string& name) const {
    const ComponentType* type = FindType(name);
    return type != nullptr ? type->Factory() : nullptr;
}

std::string PrefabManager::TypeNameOf(const IEditable& object) const {
    if (auto* entry = dynamic_cast<const PrefabComponent*>(&object)) {
        return entry->TypeName;
    }
    for (const auto& [name, type] : types_) {
        if (object.TypeTag != nullptr && *type.Tag == *object.TypeTag) {
            return name;
        }
    }
    return "";
}

Prefab* PrefabManager::Find(const std::string& name) const {
    auto at = prefabs_.find(name);
    return at != prefabs_.end() ? at->second.get() : nullptr;
}

Prefab* PrefabManager::Adopt(std::unique_ptr<Prefab> prefab) {
    const std::string name = FirstFreeName(prefab->Name);
    prefab->Name = name;
    Prefab* adopted = prefab.get();
    prefabs_[name] = std::move(prefab);
    removedNames_.erase(name);
    return adopted;
}

std::unique_ptr<Prefab> PrefabManager::Release(const std::string& name) {
    auto node = prefabs_.extract(name);
    if (node.empty()) {
        return nullptr;
    }
    removedNames_.insert(name);
    return std::move(node.mapped());
}

std::string PrefabManager::FirstFreeName(const std::string& name) const {
    std::string candidate = name;
    // Past .999 the numbering simply goes on (.1000, .1001 ...).
    for (int counter = 1; prefabs_.count(candidate) != 0; ++counter) {
        candidate = Numbered(name, counter);
    }
    return candidate;
}

std::string PrefabManager::FirstUnusedName(const std::string& name) const {
    auto taken = [&](const std::string& candidate) {
        if (prefabs_.count(candidate) != 0) {
            return true;
        }
        std::error_code error;
        return removedNames_.count(candidate) == 0 && std::filesystem::exists(FileOf(candidate), error);
    };
    std::string candidate = name;
    for (int counter = 1; taken(candidate); ++counter) {
        candidate = Numbered(name, counter);
    }
    return candidate;
}

void PrefabManager::Rekey(Prefab& prefab, const std::string& newName) {
    auto node = prefabs_.extract(prefab.Name);
    const std::string oldName = prefab.Name;
    prefab.Name = newName;
    if (node.empty() || node.mapped().get() != &prefab) {
        if (!node.empty()) {
            prefabs_.insert(std::move(node));  // another prefab's entry: leave it alone
        }
        return;
    }
    node.key() = newName;
    prefabs_.insert(std::move(node));
    removedNames_.insert(oldName);
    removedNames_.erase(newName);
}

std::vector<std::string> PrefabManager::PendingRemovals() const {
    std::vector<std::string> pending;
    const std::filesystem::path directory = SaveDirectory();
    for (const std::string& name : removedNames_) {
        std::error_code error;
        if (prefabs_.count(name) != 0 || directory.empty()) {
            continue;
        }
        const bool ownFile = std::filesystem::exists(directory / (name + ".json"), error);
        const bool shippedShown = !ShippedFileOf(name).empty() && !std::filesystem::exists(RemovalMarker(name), error);
        if (ownFile || shippedShown) {
            pending.push_back(name);
        }
    }
    return pending;
}

void PrefabManager::DeleteRemovedFile(const std::string& name) {
    if (removedNames_.count(name) == 0 || prefabs_.count(name) != 0) {
        return;
    }
    bool failed = false;
    const std::filesystem::path directory = SaveDirectory();
    std::error_code missing;
    if (!directory.empty() && std::filesystem::exists(directory, missing)) {
        ForEachPrefabFile(directory, [&](const std::filesystem::path& file) {
            std::error_code error;
            if (file.stem().string() == name && !std::filesystem::remove(file, error) && error) {
                ContentLog::Warning("cannot delete " + file.string() + ": " + error.message());
                failed = true;
            }
        });
    }
    if (!failed && !directory.empty() && !ShippedFileOf(name).empty()) {
        // The shipped file stays; the marker keeps it out from the next start on.
        try {
            std::filesystem::create_directories(directory);
            WriteFileAtomically(RemovalMarker(name),
                                "Removed in the editor; delete this file to bring the shipped prefab back.\n");
        } catch (const std::exception& e) {
            ContentLog::Warning("cannot mark " + name + " as removed: " + e.what());
            failed = true;
        }
    }
    if (!failed) {
        removedNames_.erase(name);
    }
}

std::filesystem::path PrefabManager::PrefabDirectory() const {
    if (Engine::GameConfig != nullptr) {
        return Engine::GameConfig->DevelopmentDirectory("Prefabs");
    }
    return std::filesystem::path("Content") / "Prefabs";
}

std::filesystem::path PrefabManager::SaveDirectory() const {
    return Engine::GameConfig != nullptr ? Engine::GameConfig->SaveDirectory("Prefabs") : PrefabDirectory();
}

std::vector<std::filesystem::path> PrefabManager::ReadDirectories() const {
    if (Engine::GameConfig != nullptr) {
        return Engine::GameConfig->ReadDirectories("Prefabs");
    }
    return {PrefabDirectory()};
}

std::filesystem::path PrefabManager::FileOf(const std::string& name) const {
    const std::vector<std::filesystem::path> directories = ReadDirectories();
    for (auto directory = directories.rbegin(); directory != directories.rend(); ++directory) {
        const std::filesystem::path file = *directory / (name + ".json");
        std::error_code error;
        if (std::filesystem::exists(file, error)) {
            return file;
        }
    }
    const std::filesystem::path saved = SaveDirectory();
    return saved.empty() ? directories.front() / (name + ".json") : saved / (name + ".json");
}

std::filesystem::path PrefabManager::ShippedFileOf(const std::string& name) const {
    const std::filesystem::path saved = SaveDirectory();
    for (const std::filesystem::path& directory : ReadDirectories()) {
        const std::filesystem::path file = directory / (name + ".json");
        std::error_code error;
        if (directory != saved && std::filesystem::exists(file, error)) {
            return file;
        }
    }
    return {};
}

std::string PrefabManager::SaveFailure(const std::filesystem::path& file, const std::exception& error) {
    // The writer's errors start with the file's path; say it once.
    std::string reason = error.what();
    const std::string prefix = file.string() + ": ";
    if (reason.rfind(prefix, 0) == 0) {
        reason.erase(0, prefix.size());
    }
    return "Could not save " + file.string() + ": " + reason;
}

std::vector<std::string> PrefabManager::SaveAll() {
    const LongWork saving;
    std::vector<std::string> failures;
    std::set<std::string> unsavedFiles;
    for (const auto& [name, prefab] : prefabs_) {
        if (!prefab->IsModified) {
            continue;
        }
        try {
            prefab->Save();
        } catch (const std::exception& e) {
            failures.push_back(SaveFailure(prefab->FilePath(), e));
            unsavedFiles.insert(prefab->FileName);
        }
    }
    // Deleting last, and never the old file of a renamed prefab whose new file could
    // not be written: no failure leaves a prefab without any file.
    const std::vector<std::string> removed(removedNames_.begin(), removedNames_.end());
    for (const std::string& name : removed) {
        if (unsavedFiles.count(name) == 0) {
            DeleteRemovedFile(name);
        }
    }
    return failures;
}

Prefab* PrefabManager::PrefabForInstancing(const std::string& name, const std::string& requester) const {
    const std::string asker = requester.empty() ? "" : " (asked for by prefab \"" + requester + "\")";
    Prefab* prefab = Find(name);
    if (prefab == nullptr) {
        ContentLog::Warning("no prefab named \"" + name + "\"" + asker + "; not instanced");
        return nullptr;
    }
    if (std::find(instancing_.begin(), instancing_.end(), name) != instancing_.end()) {
        std::string chain;
        for (const std::string& link : instancing_) {
            chain += link + " > ";
        }
        ContentLog::Warning("prefab \"" + name + "\" would create itself (" + chain + name + ")" + asker +
                     "; not instanced");
        return nullptr;
    }
    return prefab;
}

PrefabManager::InstancingScope::InstancingScope(PrefabManager& manager, const std::string& name)
    : manager_(manager) {
    manager_.instancing_.push_back(name);
}

PrefabManager::InstancingScope::~InstancingScope() {
    manager_.instancing_.pop_back();
}
