#pragma once

#include "core/IEditable.h"
#include "prefabs/Prefab.h"

#include <exception>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

// Owns everything prefabs need at run time: the registry of component types by name,
// one prototype (default instance) of each type, and every loaded prefab by name.
//
// A subsystem makes its component types known by adding one line to
// RegisterRuntimeTypes (game/RuntimeTypes.cpp; the editor's: editor/EditorTypes.cpp):
//
//     manager.Register<SpriteComponent>("SpriteComponent");
//
// The type needs a default constructor that works without a window, GL or audio
// device (prototypes are made before the window exists), must derive from Component
// and IEditable, and declares its properties in that constructor (see IEditable).
class ContentFile;

class PrefabManager {
public:
    struct ComponentType {
        // A new instance with its TypeTag set.
        std::function<std::unique_ptr<IEditable>()> Factory;
        const std::type_info* Tag = nullptr;
    };

    PrefabManager() = default;
    virtual ~PrefabManager();
    PrefabManager(const PrefabManager&) = delete;
    PrefabManager& operator=(const PrefabManager&) = delete;

    // registry[name] = T; a later registration of a name replaces the earlier one.
    template <class T>
    void Register(const std::string& name) {
        types_[name] = ComponentType{[] {
                                         std::unique_ptr<IEditable> made = std::make_unique<T>();
                                         made->TypeTag = &typeid(T);
                                         return made;
                                     },
                                     &typeid(T)};
    }

    // Start-up: every component type (registerAll, the program's list), one
    // prototype each, then every prefab file of PrefabDirectory. A file that does not
    // load throws a ContentError naming it.
    void RegisterTypes(const std::function<void(PrefabManager&)>& registerAll);
    // Prefabs with a component whose type name passes the test are not loaded (a
    // player build leaves out the editor's).
    void LeaveOutPrefabsUsing(std::function<bool(const std::string& typeName)> test);
    void CreatePrototypes();
    void LoadPrefabDirectory();

    const std::map<std::string, ComponentType>& Types() const { return types_; }
    const ComponentType* FindType(const std::string& name) const;
    const IEditable* FindPrototype(const std::string& name) const;
    // A new instance of the named type, or null for an unknown name.
    std::unique_ptr<IEditable> Create(const std::string& name) const;
    // A PrefabComponent's TypeName; else the first registered name (in name order)
    // with the object's type tag; else "".
    std::string TypeNameOf(const IEditable& object) const;

    const std::map<std::string, std::unique_ptr<Prefab>>& Prefabs() const { return prefabs_; }
    Prefab* Find(const std::string& name) const;
    // Enters a prefab under the first free form of its name (see Prefab::Rename).
    Prefab* Adopt(std::unique_ptr<Prefab> prefab);
    // Takes a prefab out of the manager; its file goes at the next SaveAll.
    std::unique_ptr<Prefab> Release(const std::string& name);
    // name, else name.001, name.002 ... whichever no prefab has.
    std::string FirstFreeName(const std::string& name) const;
    // The same, also passing over names whose file is in the prefab directory,
    // except the files of prefabs removed or renamed away in this session.
    std::string FirstUnusedName(const std::string& name) const;
    // Gives prefab the name newName (which must be free) and re-keys its entry.
    void Rekey(Prefab& prefab, const std::string& newName);

    // The names released or renamed away in this session and not taken again: the
    // only files SaveAll deletes.
    bool WasRemoved(const std::string& name) const { return removedNames_.count(name) != 0; }
    // Those of them whose file is still in the prefab directory: SaveAll would delete it.
    std::vector<std::string> PendingRemovals() const;
    // Deletes the file of a name WasRemoved, when no prefab holds that name now.
    void DeleteRemovedFile(const std::string& name);

    // The development copy's "Prefabs" when configured and present, else
    // "Content/Prefabs": where the prefabs come from.
    std::filesystem::path PrefabDirectory() const;
    // Where saves go: PrefabDirectory, or the player's own "Prefabs" when the shipped
    // content is kept (GameConfig); empty when there is nowhere to save.
    std::filesystem::path SaveDirectory() const;
    // The file `name` is read from now: the saved one, else the shipped one; else
    // where a save would put it.
    std::filesystem::path FileOf(const std::string& name) const;
    // The shipped file of `name` that a saved one covers; empty when nothing is
    // covered (no such file, or saves go where prefabs come from).
    std::filesystem::path ShippedFileOf(const std::string& name) const;
    // "<SaveDirectory>/<name>.removed": a shipped prefab the player removed (or renamed
    // away), left out at every start while the file is there.
    std::filesystem::path RemovalMarker(const std::string& name) const;
    static constexpr const char* RemovalExtension = ".removed";

    // Saves every modified prefab in name order, then deletes the files of the
    // prefabs removed or renamed away in this session (never a file that appeared on
    // disk meanwhile). A prefab that cannot be saved keeps IsModified and the others
    // go on; returns one "Could not save <file>: <reason>" per failure.
    std::vector<std::string> SaveAll();
    // The same text for one failed save of `file`.
    static std::string SaveFailure(const std::filesystem::path& file, const std::exception& error);

    // The prefab to instance for `name`, or null, with a message, when there is no
    // such prefab or when it is already being instanced further up (a cycle).
    // `requester` names the prefab that asks ("" for code).
    Prefab* PrefabForInstancing(const std::string& name, const std::string& requester) const;

    // Marks a prefab as being instanced for as long as the scope lives.
    class InstancingScope {
    public:
        InstancingScope(PrefabManager& manager, const std::string& name);
        ~InstancingScope();
        InstancingScope(const InstancingScope&) = delete;
        InstancingScope& operator=(const InstancingScope&) = delete;

    private:
        PrefabManager& manager_;
    };

private:
    template <class Visit>
    void ForEachPrefabFile(const std::filesystem::path& directory, Visit&& visit) const;
    std::vector<std::filesystem::path> ReadDirectories() const;
    // Drops the prefabs the directory's removal markers name; returns ", Name (removed)"
    // for each.
    std::string ForgetRemovedPrefabs(const std::filesystem::path& directory);
    bool UsesLeftOutType(const ContentFile& read) const;

    std::map<std::string, ComponentType> types_;
    std::map<std::string, std::unique_ptr<IEditable>> prototypes_;
    std::map<std::string, std::unique_ptr<Prefab>> prefabs_;
    std::set<std::string> removedNames_;
    std::vector<std::string> instancing_;
    std::function<bool(const std::string&)> leftOutType_;
};
