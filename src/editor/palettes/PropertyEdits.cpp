#include "editor/palettes/PropertyEdits.h"

#include "core/Component.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "editor/EditorMessage.h"
#include "editor/EditorState.h"
#include "editor/level/LevelKeeping.h"
#include "editor/undo/ObjectEditCommand.h"
#include "editor/undo/PrefabEditCommand.h"
#include "prefabs/PrefabManager.h"

#include <memory>

namespace PropertyEdits {

namespace {

IEditable* ShownComponent(const EditTarget& target, std::size_t index) {
    const std::vector<IEditable*> shown = target.Components();
    return index < shown.size() ? shown[index] : nullptr;
}

PrefabComponent* StoredComponent(const EditTarget& target, std::size_t index) {
    return target.IsLive() ? nullptr : dynamic_cast<PrefabComponent*>(ShownComponent(target, index));
}

std::string SubText(const PropertyRegistration& property, const std::string& name, int sub) {
    return property.GetSubProperty(name, sub).ToText();
}

std::shared_ptr<PropertyRegistration> Snapshot(const PropertyRegistration& property) {
    std::shared_ptr<PropertyRegistration> copy = property.CloneOwned();
    property.AssignTo(*copy);
    return copy;
}

IEditable* LiveComponent(GameObject& object, std::size_t index) {
    std::size_t at = 0;
    for (Component* component : object.Components()) {
        if (auto* editable = dynamic_cast<IEditable*>(component)) {
            if (at++ == index) return editable;
        }
    }
    return nullptr;
}

ObjectEditCommand::Step Restore(std::size_t component, std::string property,
                                std::shared_ptr<PropertyRegistration> value) {
    return [component, property = std::move(property), value](GameObject& object) {
        IEditable* editable = LiveComponent(object, component);
        if (PropertyRegistration* target = editable != nullptr ? editable->FindProperty(property) : nullptr) {
            value->AssignTo(*target);
        }
    };
}

// The stored holder of a property, made from the prototype's value when missing.
PropertyRegistration* StoredHolder(PrefabComponent& stored, const std::string& property) {
    if (PropertyRegistration* holder = stored.FindProperty(property)) return holder;
    const IEditable* prototype = Described(stored);
    const PropertyRegistration* model = prototype != nullptr ? prototype->FindProperty(property) : nullptr;
    if (model == nullptr) return nullptr;
    std::unique_ptr<PropertyRegistration> holder = model->CloneOwned();
    model->AssignTo(*holder);
    return (stored.Properties[property] = std::move(holder)).get();
}

void CommitStored(const EditTarget& target, const PropertyRowBinding& row, const CheckedText& checked) {
    if (target.StoredIn == nullptr) return;
    EditStored(*target.StoredIn, [&] {
        PrefabComponent* stored = StoredComponent(target, row.Component);
        if (stored == nullptr) return false;
        if (checked.Text.empty()) return stored->Properties.erase(row.Property) > 0;
        PropertyRegistration* holder = StoredHolder(*stored, row.Property);
        if (holder == nullptr) return false;
        checked.Parsed.AssignTo(holder->GetSubProperty(row.Property, row.Sub));
        return true;
    });
}

void CommitLive(const EditTarget& target, const PropertyRowBinding& row, const ParsedSubValue& parsed) {
    EditLive(*target.Object, row.Component, row.Property, [&](PropertyRegistration& property) {
        parsed.AssignTo(property.GetSubProperty(row.Property, row.Sub));
    });
}

// Typed text parsed for the row by the property that describes it, which may add a
// check of its own; by the row's value type alone when the property is not there.
ParsedSubValue ParseForRow(const EditTarget& target, const PropertyRowBinding& row, const std::string& text) {
    const IEditable* shown = ShownComponent(target, row.Component);
    const IEditable* described = shown != nullptr ? Described(*shown) : nullptr;
    const PropertyRegistration* property = described != nullptr ? described->FindProperty(row.Property) : nullptr;
    if (property != nullptr) return property->GetSubProperty(row.Property, row.Sub).ParseChecked(text);
    return row.ValueType != nullptr ? SubProperty::ParseCheckedAs(*row.ValueType, row.Sub, text) : ParsedSubValue();
}

// Why the level would not keep a change of the live component's property, or "".
std::string LevelRefusal(const EditTarget& target, std::size_t index, const std::string& property) {
    const auto* component = dynamic_cast<const Component*>(ShownComponent(target, index));
    return component != nullptr ? LevelKeeping::RefusalToEdit(*target.Object, *component, property) : "";
}

// The first shown sprite with a size and an origin.
std::size_t FindSprite(const std::vector<IEditable*>& shown) {
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const IEditable* described = Described(*shown[i]);
        if (described != nullptr && Engine::Prefabs->TypeNameOf(*shown[i]) == "SpriteComponent" &&
            described->FindProperty("Size") != nullptr && described->FindProperty("Origin") != nullptr) {
            return i;
        }
    }
    return shown.size();
}

}  // namespace

const IEditable* Described(const IEditable& component) {
    if (const auto* stored = dynamic_cast<const PrefabComponent*>(&component)) {
        return Engine::Prefabs != nullptr ? Engine::Prefabs->FindPrototype(stored->TypeName) : nullptr;
    }
    return &component;
}

std::vector<PropertyRowBinding> RowsOf(const IEditable& component, std::size_t index) {
    std::vector<PropertyRowBinding> rows;
    const IEditable* described = Described(component);
    if (described == nullptr) return rows;
    for (const auto& [name, property] : described->Properties) {
        for (int sub = 0;; ++sub) {
            const SubProperty view = property->GetSubProperty(name, sub);
            rows.push_back({index, name, sub, &property->TypeTag(), view.Key()});
            if (view.IsLast) break;
        }
    }
    return rows;
}

Shown Read(const EditTarget& target, const PropertyRowBinding& row) {
    const IEditable* component = ShownComponent(target, row.Component);
    if (component == nullptr) return {};
    if (const PropertyRegistration* own = component->FindProperty(row.Property)) {
        return {SubText(*own, row.Property, row.Sub), true};
    }
    const IEditable* described = Described(*component);
    const PropertyRegistration* model = described != nullptr ? described->FindProperty(row.Property) : nullptr;
    return {model != nullptr ? SubText(*model, row.Property, row.Sub) : "", false};
}

CheckedText Check(const EditTarget& target, const PropertyRowBinding& row, const std::string& text) {
    if (text.empty() && !target.IsLive()) return {text, ParsedSubValue()};
    if (target.IsLive()) {
        if (std::string refusal = LevelRefusal(target, row.Component, row.Property); !refusal.empty()) {
            return {text, ParsedSubValue::Refused(std::move(refusal))};
        }
    }
    return {text, ParseForRow(target, row, text)};
}

void Apply(const EditTarget& target, const PropertyRowBinding& row, const CheckedText& checked) {
    if (!checked.Parsed.IsAccepted()) return;
    if (target.IsLive()) {
        CommitLive(target, row, checked.Parsed);
    } else {
        CommitStored(target, row, checked);
    }
}

std::string Refusal(const EditTarget& target, const PropertyRowBinding& row, const std::string& text) {
    return Check(target, row, text).Parsed.Refusal();
}

void Commit(const EditTarget& target, const PropertyRowBinding& row, const std::string& text) {
    Apply(target, row, Check(target, row, text));
}

bool CentreSprite(const EditTarget& target) {
    const std::vector<IEditable*> shown = target.Components();
    const std::size_t index = FindSprite(shown);
    if (index == shown.size()) return false;
    // "Origin" is the position's offset from the frame centre (the world bounds and
    // the drawn quad both sit at position - Origin), so the frame is centred on the
    // position when it is zero, whatever the size.
    const auto centre = [](PropertyRegistration& origin) {
        origin.GetSubProperty("Origin", 0).FromText("0");
        origin.GetSubProperty("Origin", 1).FromText("0");
    };
    if (target.IsLive()) {
        if (const std::string refusal = LevelRefusal(target, index, "Origin"); !refusal.empty()) {
            TellUser(refusal);
            return false;
        }
        EditLive(*target.Object, index, "Origin", centre);
    } else if (target.StoredIn != nullptr) {
        EditStored(*target.StoredIn, [&] {
            PropertyRegistration* origin = StoredHolder(*StoredComponent(target, index), "Origin");
            if (origin != nullptr) centre(*origin);
            return origin != nullptr;
        });
    }
    return true;
}

void EditLive(GameObject& object, std::size_t component, const std::string& property,
              const std::function<void(PropertyRegistration&)>& change) {
    IEditable* editable = LiveComponent(object, component);
    PropertyRegistration* target = editable != nullptr ? editable->FindProperty(property) : nullptr;
    if (target == nullptr) return;
    std::shared_ptr<PropertyRegistration> before = Snapshot(*target);
    change(*target);
    std::shared_ptr<PropertyRegistration> after = Snapshot(*target);
    if (Engine::EditorState != nullptr) {
        EditHistory& history = Engine::EditorState->History;
        history.Push(std::make_unique<ObjectEditCommand>(history.SlotFor(&object), Restore(component, property, before),
                                                         Restore(component, property, after)));
    }
}

void EditStored(Prefab& prefab, const std::function<bool()>& change) {
    auto command = std::make_unique<PrefabEditCommand>(std::vector<std::string>{prefab.Name});
    if (!change()) return;
    prefab.IsModified = true;
    if (command->Finish() && Engine::EditorState != nullptr) {
        Engine::EditorState->History.Push(std::move(command));
    }
}

}  // namespace PropertyEdits
