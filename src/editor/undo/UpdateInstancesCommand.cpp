#include "editor/undo/UpdateInstancesCommand.h"

#include "core/Component.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "core/IEditable.h"
#include "editor/level/CurrentLevel.h"
#include "prefabs/PrefabManager.h"

namespace {

template <class Visit>
void ForEachSubProperty(IEditable& editable, Visit&& visit) {
    for (const auto& [name, holder] : editable.Properties) {
        for (int i = 0;; ++i) {
            const SubProperty sub = holder->GetSubProperty(name, i);
            visit(sub);
            if (sub.IsLast) {
                break;
            }
        }
    }
}

void CollectInstances(GameObject& object, const std::string& prefabName, std::vector<GameObject*>& into) {
    if (object.PrefabName == prefabName) {
        into.push_back(&object);
    }
    for (GameObject* child : object.Children()) {
        CollectInstances(*child, prefabName, into);
    }
}

}  // namespace

UpdateInstancesCommand::UpdateInstancesCommand(std::string prefabName, GameObject& root, EditHistory& history)
    : prefabName_(std::move(prefabName)) {
    std::vector<GameObject*> objects;
    CollectInstances(root, prefabName_, objects);
    for (GameObject* object : objects) {
        Instance instance{history.SlotFor(object), object->Components().size(), {}};
        for (Component* component : object->Components()) {
            PropertyTexts texts;
            if (auto* editable = dynamic_cast<IEditable*>(component)) {
                ForEachSubProperty(*editable, [&](const SubProperty& sub) { texts.emplace_back(sub.Key(), sub.ToText()); });
            }
            instance.Values.push_back(std::move(texts));
        }
        instances_.push_back(std::move(instance));
    }
}

bool UpdateInstancesCommand::Apply() {
    if (instances_.empty() || Engine::Prefabs == nullptr || Engine::Prefabs->Find(prefabName_) == nullptr) {
        return false;
    }
    Push();
    return true;
}

void UpdateInstancesCommand::Push() {
    const Prefab* prefab = Engine::Prefabs != nullptr ? Engine::Prefabs->Find(prefabName_) : nullptr;
    if (prefab == nullptr) {
        return;
    }
    for (const Instance& instance : instances_) {
        if (GameObject* object = instance.Object->Object.Get()) {
            prefab->UpdateInstances(*object);
            MarkLevelModifiedBy(*object);
        }
    }
}

void UpdateInstancesCommand::Undo() {
    for (const Instance& instance : instances_) {
        GameObject* object = instance.Object->Object.Get();
        if (object == nullptr) {
            continue;
        }
        MarkLevelModifiedBy(*object);
        while (object->Components().size() > instance.ComponentCount) {
            Component* added = object->Components().back();
            object->RemoveComponent(added);
            delete added;
        }
        for (std::size_t i = 0; i < instance.Values.size() && i < object->Components().size(); ++i) {
            auto* editable = dynamic_cast<IEditable*>(object->Components()[i]);
            if (editable == nullptr) {
                continue;
            }
            std::size_t at = 0;
            ForEachSubProperty(*editable, [&](const SubProperty& sub) {
                if (at < instance.Values[i].size() && instance.Values[i][at].first == sub.Key()) {
                    sub.FromText(instance.Values[i][at].second);
                }
                ++at;
            });
        }
    }
}

void UpdateInstancesCommand::Redo() {
    Push();
}

std::vector<GameObject*> UpdateInstancesCommand::Touched() const {
    std::vector<GameObject*> touched;
    for (const Instance& instance : instances_) {
        if (GameObject* object = instance.Object->Object.Get()) {
            touched.push_back(object);
        }
    }
    return touched;
}
