#pragma once

#include "prefabs/AutoCreate.h"
#include "prefabs/PrefabComponent.h"

#include <boost/property_tree/ptree_fwd.hpp>

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class GameObject;
class ContentFile;
class PrefabManager;

// A named template of an object tree, one JSON file each: the components every
// instance gets (with the values that differ from their defaults) and the children
// to create with it. Owned by its PrefabManager, which keys it by Name.
//
// The file format: one object with "Components" (component type name -> its stored
// properties, sorted by name; compound values as objects of sub-values; every leaf a
// string; a component without values as "") and "AutoCreate" (an array of
// {"Name", "InstanceProperties", "Prefab"}, the first two only when not empty), each
// written as "" when empty, pretty-printed by the property tree JSON writer.
class Prefab {
public:
    Prefab(PrefabManager& manager, std::string name);
    virtual ~Prefab() = default;
    Prefab(const Prefab&) = delete;
    Prefab& operator=(const Prefab&) = delete;

    std::string Name;
    std::vector<std::unique_ptr<PrefabComponent>> Components;
    std::vector<std::unique_ptr<AutoCreate>> AutoCreates;
    // Set by every edit; cleared by Save. SaveAll writes only modified prefabs.
    bool IsModified = false;
    // The name of this prefab's file in the prefab directory ("" before its first
    // save when it was made in the editor); differs from Name after a rename.
    std::string FileName;

    // The longest name whose file and the temporary file Save writes beside it fit
    // a file name of the system.
    static constexpr std::size_t MaxNameLength = 242;
    // Why `name` cannot name a prefab file ("" when it can): empty, too long, a
    // leading ".", a "/", a "\" or a control character.
    static std::string NameProblem(const std::string& name);

    // Appends the file's components and children. Any problem (not JSON, a missing
    // member, an unknown component type) throws a ContentError naming the file. A
    // value that cannot be taken (a NaN, an object where a number belongs) is a
    // warning naming the file and the property, which keeps its default.
    void Load(const std::filesystem::path& file);
    // The same from a file already read.
    void Load(const ContentFile& file);
    // The same from a parsed tree; throws the reader's error without a file name, and
    // returns the values left at their defaults ("SpriteComponent: Scale.X ...").
    std::vector<std::string> Read(const boost::property_tree::ptree& tree);

    // The file's exact bytes, and the tree they are written from.
    std::string ToJson() const;
    boost::property_tree::ptree Write() const;

    // Writes <SaveDirectory>/<Name>.json through a temporary file renamed over the
    // old one, then clears IsModified. On failure the old file is intact, IsModified
    // stays set and the error names the file. After a rename the former file goes
    // too, unless another prefab has taken that name meanwhile. A prefab saved just as
    // its shipped file says removes the player's copy instead.
    void Save();
    // The file Save writes.
    std::filesystem::path FilePath() const;

    // Takes the first free name among newName, newName.001, newName.002 ... (.1000 and
    // up once .999 is taken) and re-keys the manager's entry. Nothing happens when
    // newName is the current name.
    void Rename(const std::string& newName);

    // A deep copy entered in the manager under the first free form of this name
    // without its ".NNN" suffix (Ant.004 gives Ant.002 when Ant and Ant.001 exist).
    // Its IsModified is false.
    Prefab* Duplicate() const;
    // A deep copy under the same name, in no manager's list; Owner of its entries
    // set to the copy, IsModified false, no file.
    std::unique_ptr<Prefab> Copy() const;
    // Name without a trailing ".NNN" numbering.
    static std::string UnnumberedName(const std::string& name);

    // Moves the component from index i to clamp(i + offset); false (no change) when
    // that is i or the component is not in this prefab.
    bool MoveComponent(const PrefabComponent* component, int offset);

    // Builds this prefab into object: its components, its children (each a complete
    // instance of its own prefab), then Start on the object's behaviours.
    void Instantiate(GameObject& object) const;

    // Re-applies the stored values to every instance of this prefab in object's
    // subtree (object included), overwriting instance overrides and adding components
    // the instance lacks. Adds no children and removes nothing.
    void UpdateInstances(GameObject& object) const;

    enum class ApplyMode { Create, Override };
    // Create: every entry becomes a new component. Override: an entry sets the values
    // of the object's first component of its type, and is created when there is none
    // (a behaviour so created is started, its object being complete already).
    void ApplyComponents(GameObject& object, const std::vector<std::unique_ptr<PrefabComponent>>& entries,
                         ApplyMode mode) const;

private:
    void ReadComponents(const boost::property_tree::ptree& node, std::vector<std::unique_ptr<PrefabComponent>>& into,
                        std::vector<std::string>& refused) const;
    void InstantiateChild(GameObject& object, const AutoCreate& entry) const;
    void UpdateComponents(GameObject& object) const;
    // A new component of entry's type added to object; null (with a message) when the
    // type makes no component.
    IEditable* CreateComponent(GameObject& object, const PrefabComponent& entry) const;
    static void ApplyValues(const PrefabComponent& entry, IEditable& target);

    PrefabManager* manager_;
};
