#include "editor/level/LevelKeeping.h"

#include "core/Component.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "editor/level/CurrentLevel.h"
#include "editor/level/LevelObjectRecord.h"
#include "editor/level/LevelSession.h"
#include "editor/level/StoredProperties.h"
#include "game/LevelBhv.h"
#include "graphics/Pos2dComponent.h"
#include "physics/B2BodyComponent.h"
#include "prefabs/PrefabManager.h"

#include <algorithm>
#include <vector>

namespace LevelKeeping {

namespace {

std::string Label(const GameObject& object) {
    return !object.Name.empty() ? object.Name : !object.PrefabName.empty() ? object.PrefabName : "the object";
}

// The level's child the object is or lies below, or null outside the level.
const GameObject* PlacedAncestor(const GameObject& object, const GameObject& level) {
    for (const GameObject* at = &object; at != nullptr; at = at->Parent()) {
        if (at->Parent() == &level) return at;
    }
    return nullptr;
}

// "" for what the level keeps whole or cannot save anyway; else why nothing of the
// object is kept: it is the level itself or lies inside a placed object.
std::string RefusalForWhole(const GameObject& object) {
    const GameObject* level = CurrentLevel();
    if (level == nullptr) return "";
    if (&object == level) {
        return "a level's own values are kept in its prefab " + level->PrefabName + ": change them there";
    }
    const GameObject* placed = PlacedAncestor(object, *level);
    if (placed == nullptr || placed == &object) return "";
    return Label(object) + " is inside " + Label(*placed) +
           ": a level keeps nothing of the objects inside its objects; change the prefab " + placed->PrefabName;
}

std::size_t IndexOf(const GameObject& object, const Component& component) {
    const auto& all = object.Components();
    return static_cast<std::size_t>(std::find(all.begin(), all.end(), &component) - all.begin());
}

std::string TypeNameOf(const Component& component) {
    const auto* editable = dynamic_cast<const IEditable*>(&component);
    const std::string name = editable != nullptr && Engine::Prefabs != nullptr ? Engine::Prefabs->TypeNameOf(*editable) : "";
    return name.empty() ? "component" : name;
}

// The sources entry stores the property for the first component of this type.
bool IsListed(const AutoCreate& source, const GameObject& object, const Component& component,
              const std::string& property) {
    const auto* editable = dynamic_cast<const IEditable*>(&component);
    if (editable == nullptr || editable->TypeTag == nullptr) return false;
    for (Component* c : object.Components()) {
        const auto* first = dynamic_cast<const IEditable*>(c);
        if (first != nullptr && first->TypeTag != nullptr && *first->TypeTag == *editable->TypeTag) {
            if (c != &component) return false;
            break;
        }
    }
    for (const auto& stored : source.InstanceProperties) {
        if (stored->TypeTag != nullptr && *stored->TypeTag == *editable->TypeTag && stored->FindProperty(property)) {
            return true;
        }
    }
    return false;
}

}  // namespace

const AutoCreate* SourceOf(const GameObject& object) {
    const GameObject* level = CurrentLevel();
    if (level == nullptr || object.Parent() != level || Engine::Prefabs == nullptr) return nullptr;
    return FindSourceEntry(Engine::Prefabs->Find(LevelSession::Sources), object.PrefabName);
}

std::string RefusalToAdd(const GameObject& object, const std::string& typeName) {
    if (std::string whole = RefusalForWhole(object); !whole.empty()) return whole;
    const AutoCreate* source = SourceOf(object);
    const PrefabManager::ComponentType* type = Engine::Prefabs != nullptr ? Engine::Prefabs->FindType(typeName) : nullptr;
    if (source == nullptr || type == nullptr) return "";
    if (Engine::Prefabs->Find(object.PrefabName) == nullptr) {
        return Label(object) + ": there is no prefab " + object.PrefabName + " to make it again from the level";
    }
    for (Component* c : object.Components()) {
        const auto* editable = dynamic_cast<const IEditable*>(c);
        if (editable != nullptr && editable->TypeTag != nullptr && *editable->TypeTag == *type->Tag) {
            return Label(object) + " has a " + typeName + " already: a level keeps one added component of a type";
        }
    }
    return "";
}

std::string RefusalToRemove(const GameObject& object, const Component& component) {
    if (std::string whole = RefusalForWhole(object); !whole.empty()) return whole;
    const AutoCreate* source = SourceOf(object);
    if (source == nullptr) return "";
    const std::vector<ComponentOrigin> origins = ComponentOrigins(*source, object);
    const std::size_t at = IndexOf(object, component);
    if (at < origins.size() && origins[at] == ComponentOrigin::Made) {
        return Label(object) + ": its " + TypeNameOf(component) + " comes from the prefab " + object.PrefabName +
               "; a level can only add components to its objects";
    }
    return "";
}

std::string RefusalToMove(const GameObject& object, const Component& component, int offset) {
    if (std::string whole = RefusalForWhole(object); !whole.empty()) return whole;
    const AutoCreate* source = SourceOf(object);
    if (source == nullptr) return "";
    const std::vector<ComponentOrigin> origins = ComponentOrigins(*source, object);
    const long from = static_cast<long>(IndexOf(object, component));
    const long last = static_cast<long>(origins.size()) - 1;
    const long to = std::clamp(from + offset, 0L, std::max(last, 0L));
    for (long i = std::min(from, to); i <= std::max(from, to) && i <= last; ++i) {
        if (origins[static_cast<std::size_t>(i)] == ComponentOrigin::Made) {
            return Label(object) + ": a level keeps the order of added components only, after those of the prefab " +
                   object.PrefabName;
        }
    }
    return "";
}

std::string RefusalToEdit(const GameObject& object, const Component& component, const std::string& property) {
    if (std::string whole = RefusalForWhole(object); !whole.empty()) return whole;
    const AutoCreate* source = SourceOf(object);
    if (source == nullptr) return "";
    const std::vector<ComponentOrigin> origins = ComponentOrigins(*source, object);
    const std::size_t at = IndexOf(object, component);
    if (at >= origins.size() || origins[at] != ComponentOrigin::Made || IsListed(*source, object, component, property)) {
        return "";
    }
    return Label(object) + ": a level keeps only the values Lvl_Sources lists for " + object.PrefabName + ", not " +
           TypeNameOf(component) + "." + property + "; change it in the prefab " + object.PrefabName;
}

std::string RefusalToTurn(const GameObject& object) {
    const Component* holder = object.Pos2d();
    const char* property = "Rotation";
    if (holder == nullptr) {
        holder = object.B2Body();
        property = "Angle";
    }
    return holder != nullptr ? RefusalToEdit(object, *holder, property) : "";
}

std::string RefusalToRename(const GameObject& object) { return RefusalForWhole(object); }

std::string RefusalToSwitch(const GameObject& object) {
    if (std::string whole = RefusalForWhole(object); !whole.empty()) return whole;
    if (SourceOf(object) == nullptr) return "";
    return Label(object) + ": a level does not keep its objects' flags";
}

std::string RefusalToChangeChildren(const GameObject& parent) {
    const GameObject* level = CurrentLevel();
    if (level == nullptr || &parent == level) return "";
    if (PlacedAncestor(parent, *level) == nullptr) return "";
    return "a level keeps nothing of the objects inside its objects; change the prefab " +
           PlacedAncestor(parent, *level)->PrefabName;
}

std::string RefusalToTakeOut(const GameObject& object) {
    const GameObject* level = CurrentLevel();
    if (level == nullptr) return "";
    if (object.Parent() != nullptr && object.Parent() != level) {
        if (std::string inside = RefusalToChangeChildren(*object.Parent()); !inside.empty()) return inside;
    }
    const LevelBhv* live = CurrentLevelBhv();
    for (const GameObject* at = level; at != nullptr; at = at->Parent()) {
        if (at == &object && live != nullptr && live->IsModified) {
            return "the level has unsaved changes: save them with Alt+S first";
        }
    }
    return "";
}

}  // namespace LevelKeeping
