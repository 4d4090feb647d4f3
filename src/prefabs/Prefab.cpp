#include "prefabs/Prefab.h"

#include "core/Behavior.h"
#include "core/ContentError.h"
#include "core/ContentFile.h"
#include "core/ContentLog.h"
#include "core/GameObject.h"
#include "core/ListMoves.h"
#include "platform/AtomicFile.h"
#include "prefabs/PrefabManager.h"

#include <boost/property_tree/json_parser.hpp>
#include <boost/property_tree/ptree.hpp>

#include <algorithm>
#include <map>
#include <sstream>

namespace pt = boost::property_tree;

namespace {

pt::ptree::path_type TreePath(const std::string& key) {
    return pt::ptree::path_type(key, '.');
}

// Every stored value as strings: a single value as one string member, a compound
// one as an object of its sub-values in their order.
pt::ptree WriteProperties(const PrefabComponent& component) {
    pt::ptree members;
    for (const auto& [name, holder] : component.Properties) {
        SubProperty first = holder->GetSubProperty(name, 0);
        if (first.SubName.empty()) {
            members.push_back({name, pt::ptree(first.ToText())});
            continue;
        }
        pt::ptree compound;
        for (int i = 0;; ++i) {
            const SubProperty sub = holder->GetSubProperty(name, i);
            compound.push_back({sub.SubName, pt::ptree(sub.ToText())});
            if (sub.IsLast) {
                break;
            }
        }
        members.push_back({name, compound});
    }
    return members;  // no members: written as ""
}

pt::ptree WriteComponentList(const std::vector<std::unique_ptr<PrefabComponent>>& components) {
    pt::ptree list;
    for (const auto& component : components) {
        list.push_back({component->TypeName, WriteProperties(*component)});
    }
    return list;
}

pt::ptree WriteAutoCreate(const AutoCreate& entry) {
    pt::ptree element;
    if (!entry.Name.empty()) {
        element.push_back({"Name", pt::ptree(entry.Name)});
    }
    if (!entry.InstanceProperties.empty()) {
        element.push_back({"InstanceProperties", WriteComponentList(entry.InstanceProperties)});
    }
    element.push_back({"Prefab", pt::ptree(entry.PrefabName)});
    return element;
}

// A stored text as a warning quotes it; a long one is cut short.
std::string Quoted(const std::string& text) {
    constexpr std::size_t shown = 40;
    return "\"" + (text.size() > shown ? text.substr(0, shown) + "..." : text) + "\"";
}

// Reads every sub-value of the property into `holder`; returns why one of them cannot
// be taken ("" when all are). Numbers and the literals true, false and null arrive as
// their text, like strings; a member with members of its own is no value at all. An
// empty object or array reads as "", which the tree cannot tell from an empty string.
std::string ReadProperty(const pt::ptree& members, const std::string& name, PropertyRegistration& holder) {
    for (int i = 0;; ++i) {
        const SubProperty sub = holder.GetSubProperty(name, i);
        const pt::ptree& node = members.get_child(TreePath(sub.Key()));
        if (!node.empty()) {
            return sub.Key() + " is an object or array, not a value";
        }
        if (!sub.FromStoredText(node.data())) {
            return sub.Key() + " " + Quoted(node.data()) + " is not a usable value";
        }
        if (sub.IsLast) {
            return "";
        }
    }
}

}  // namespace

Prefab::Prefab(PrefabManager& manager, std::string name) : Name(std::move(name)), manager_(&manager) {}

void Prefab::Load(const std::filesystem::path& path) {
    Load(ContentFile::ReadJson(path));
}

void Prefab::Load(const ContentFile& file) {
    const std::filesystem::path& path = file.Path();
    std::vector<std::string> refused;
    file.Reading([&] { refused = Read(file.Root()); });
    for (const std::string& value : refused) {
        ContentLog::Warning(path.string() + ": " + value);
    }
    FileName = path.stem().string();
}

std::string Prefab::NameProblem(const std::string& name) {
    if (name.empty()) {
        return "a prefab needs a name";
    }
    if (name.size() > MaxNameLength) {
        return "names are at most " + std::to_string(MaxNameLength) + " bytes long";
    }
    if (name.front() == '.') {
        return "a name may not start with \".\"";
    }
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\') {
            return "a name may not hold \"/\" or \"\\\"";
        }
        if (byte < 0x20 || byte == 0x7f) {
            return "a name may not hold control characters";
        }
    }
    return "";
}

std::vector<std::string> Prefab::Read(const pt::ptree& tree) {
    std::vector<std::string> refused;
    std::vector<std::unique_ptr<PrefabComponent>> components;
    ReadComponents(tree.get_child("Components"), components, refused);
    std::vector<std::unique_ptr<AutoCreate>> children;
    for (const auto& [key, element] : tree.get_child("AutoCreate")) {
        auto entry = std::make_unique<AutoCreate>();
        entry->Owner = this;
        entry->PrefabName = element.get<std::string>("Prefab");
        entry->Name = element.get<std::string>("Name", "");
        if (const auto overrides = element.get_child_optional("InstanceProperties")) {
            ReadComponents(*overrides, entry->InstanceProperties, refused);
        }
        children.push_back(std::move(entry));
    }
    // Only a whole file is taken: a failed read leaves the prefab as it was.
    std::move(components.begin(), components.end(), std::back_inserter(Components));
    std::move(children.begin(), children.end(), std::back_inserter(AutoCreates));
    return refused;
}

void Prefab::ReadComponents(const pt::ptree& node, std::vector<std::unique_ptr<PrefabComponent>>& into,
                            std::vector<std::string>& refused) const {
    for (const auto& [typeName, members] : node) {
        const PrefabManager::ComponentType* type = manager_->FindType(typeName);
        const IEditable* prototype = manager_->FindPrototype(typeName);
        if (type == nullptr || prototype == nullptr) {
            throw std::runtime_error("unknown component type '" + typeName + "'");
        }
        if (dynamic_cast<const Component*>(prototype) == nullptr) {
            throw std::runtime_error("'" + typeName + "' is not a component type");
        }
        auto component = std::make_unique<PrefabComponent>();
        component->TypeName = typeName;
        component->TypeTag = type->Tag;
        for (const auto& [name, registration] : prototype->Properties) {
            if (!members.get_child_optional(TreePath(name))) {
                continue;  // not stored: the component's default applies
            }
            std::unique_ptr<PropertyRegistration> holder = registration->CloneOwned();
            if (const std::string problem = ReadProperty(members, name, *holder); !problem.empty()) {
                refused.push_back(typeName + ": " + problem + "; the default is kept");
                continue;  // not stored: the component's default applies
            }
            component->Properties[name] = std::move(holder);
        }
        into.push_back(std::move(component));
    }
}

pt::ptree Prefab::Write() const {
    pt::ptree children;
    for (const auto& entry : AutoCreates) {
        children.push_back({"", WriteAutoCreate(*entry)});
    }
    pt::ptree tree;
    tree.push_back({"Components", WriteComponentList(Components)});
    tree.push_back({"AutoCreate", children});
    return tree;
}

std::string Prefab::ToJson() const {
    std::ostringstream out;
    pt::write_json(out, Write(), true);
    return out.str();
}

std::filesystem::path Prefab::FilePath() const {
    return manager_->SaveDirectory() / (Name + ".json");
}

void Prefab::Save() {
    const std::filesystem::path directory = manager_->SaveDirectory();
    if (directory.empty()) {
        throw ContentError(FilePath(), "nowhere to save: neither XDG_DATA_HOME nor HOME is set");
    }
    const std::string text = ToJson();
    const std::filesystem::path shipped = manager_->ShippedFileOf(Name);
    if (!shipped.empty() && ContentFile::ReadBytes(shipped) == text) {
        // Back to what the game ships: a copy of it would only hide the shipped file's
        // later changes.
        std::error_code error;
        if (!std::filesystem::remove(FilePath(), error) && error) {
            throw ContentError(FilePath(), "cannot delete: " + error.message());
        }
    } else {
        if (directory != manager_->PrefabDirectory()) {
            std::filesystem::create_directories(directory);  // the player's first save
        }
        WriteFileAtomically(FilePath(), text);
    }
    // A prefab saved again under a name the player once removed is back.
    std::error_code error;
    std::filesystem::remove(manager_->RemovalMarker(Name), error);
    IsModified = false;
    if (!FileName.empty() && FileName != Name) {
        manager_->DeleteRemovedFile(FileName);
    }
    FileName = Name;
}

void Prefab::Rename(const std::string& newName) {
    if (newName == Name) {
        return;
    }
    manager_->Rekey(*this, manager_->FirstFreeName(newName));
}

std::string Prefab::UnnumberedName(const std::string& name) {
    // A trailing dot and exactly three digits are a numbering, not part of the name.
    std::string base = name;
    const std::size_t n = base.size();
    if (n > 4 && base[n - 4] == '.' &&
        std::all_of(base.end() - 3, base.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        base.resize(n - 4);
    }
    return base;
}

std::unique_ptr<Prefab> Prefab::Copy() const {
    auto copy = std::make_unique<Prefab>(*manager_, Name);
    for (const auto& component : Components) {
        copy->Components.push_back(component->Clone());
    }
    for (const auto& entry : AutoCreates) {
        copy->AutoCreates.push_back(entry->Clone());
        copy->AutoCreates.back()->Owner = copy.get();
    }
    return copy;
}

Prefab* Prefab::Duplicate() const {
    std::unique_ptr<Prefab> copy = Copy();
    copy->Name = UnnumberedName(Name);
    return manager_->Adopt(std::move(copy));
}

bool Prefab::MoveComponent(const PrefabComponent* component, int offset) {
    return ShiftEntry(Components, IndexOf(Components, component), offset);
}

void Prefab::Instantiate(GameObject& object) const {
    const PrefabManager::InstancingScope scope(*manager_, Name);
    object.PrefabName = Name;
    ApplyComponents(object, Components, ApplyMode::Create);
    for (std::size_t i = 0; i < AutoCreates.size(); ++i) {
        InstantiateChild(object, *AutoCreates[i]);
    }
    for (std::size_t i = 0; i < object.Behaviors().size(); ++i) {
        object.Behaviors()[i]->Start();
    }
}

void Prefab::InstantiateChild(GameObject& object, const AutoCreate& entry) const {
    if (manager_->PrefabForInstancing(entry.PrefabName, Name) == nullptr) {
        return;  // missing or cyclic: reported, and this child is left out
    }
    auto child = std::make_unique<GameObject>(entry.PrefabName);
    child->Name = entry.Name.empty() ? entry.PrefabName : entry.Name;
    ApplyComponents(*child, entry.InstanceProperties, ApplyMode::Override);
    child->MadeBy.Reset(&entry);
    object.AddChild(child.release());
}

// The n-th entry of a type goes to the object's n-th component of that type (made
// when missing), so a prefab that lists a type twice updates both components.
void Prefab::UpdateComponents(GameObject& object) const {
    std::map<const std::type_info*, std::size_t> seen;
    for (const auto& entry : Components) {
        const std::size_t wanted = seen[entry->TypeTag]++;
        std::size_t count = 0;
        IEditable* target = nullptr;
        for (Component* c : object.Components()) {
            auto* editable = dynamic_cast<IEditable*>(c);
            if (editable != nullptr && editable->TypeTag == entry->TypeTag && count++ == wanted) {
                target = editable;
                break;
            }
        }
        const bool created = target == nullptr;
        if (created) {
            target = CreateComponent(object, *entry);
        }
        if (target != nullptr) {
            ApplyValues(*entry, *target);
        }
        // A behaviour added to a live instance runs from now on, as if instanced.
        if (auto* behavior = dynamic_cast<Behavior*>(target); created && behavior != nullptr) {
            behavior->Start();
        }
    }
}

IEditable* Prefab::CreateComponent(GameObject& object, const PrefabComponent& entry) const {
    std::unique_ptr<IEditable> made = manager_->Create(entry.TypeName);
    auto* component = dynamic_cast<Component*>(made.get());
    if (component == nullptr) {
        ContentLog::Warning("prefab \"" + Name + "\": '" + entry.TypeName + "' is not a component type; skipped");
        return nullptr;
    }
    object.AddComponent(component);
    return made.release();
}

void Prefab::ApplyValues(const PrefabComponent& entry, IEditable& target) {
    for (const auto& [name, value] : entry.Properties) {
        if (PropertyRegistration* live = target.FindProperty(name)) {
            value->AssignTo(*live);
        }
    }
}

void Prefab::ApplyComponents(GameObject& object, const std::vector<std::unique_ptr<PrefabComponent>>& entries,
                             ApplyMode mode) const {
    for (const auto& entry : entries) {
        IEditable* target = nullptr;
        if (mode == ApplyMode::Override) {
            for (Component* c : object.Components()) {
                auto* editable = dynamic_cast<IEditable*>(c);
                if (editable != nullptr && editable->TypeTag == entry->TypeTag) {
                    target = editable;
                    break;
                }
            }
        }
        const bool created = target == nullptr;
        if (created) {
            target = CreateComponent(object, *entry);
        }
        if (target != nullptr) {
            ApplyValues(*entry, *target);
        }
        // The object is complete already: a behaviour an override adds starts now, as
        // the others did when it was instanced. Create mode leaves that to Instantiate.
        if (auto* behavior = dynamic_cast<Behavior*>(target); created && behavior != nullptr && mode == ApplyMode::Override) {
            behavior->Start();
        }
    }
}

void Prefab::UpdateInstances(GameObject& object) const {
    if (object.PrefabName == Name) {
        UpdateComponents(object);
    }
    for (std::size_t i = 0; i < object.Children().size(); ++i) {
        UpdateInstances(*object.Children()[i]);
    }
}
