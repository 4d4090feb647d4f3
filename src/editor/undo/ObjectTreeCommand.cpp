#include "editor/undo/ObjectTreeCommand.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "editor/EditorState.h"
#include "editor/level/CurrentLevel.h"
#include "prefabs/PrefabManager.h"

#include <algorithm>

namespace {

std::size_t IndexAmongSiblings(const GameObject& object) {
    if (object.Parent() == nullptr) {
        return 0;
    }
    const auto& siblings = object.Parent()->Children();
    return static_cast<std::size_t>(std::find(siblings.begin(), siblings.end(), &object) - siblings.begin());
}

// The entry whose stored names say which values to keep: for a level object its
// "Lvl_Sources" entry, as a level save keeps it, else the one that made the object.
const AutoCreate* ValuesSource(const GameObject& object) {
    if (object.Parent() != nullptr && object.Parent() == CurrentLevel() && Engine::Prefabs != nullptr) {
        if (const AutoCreate* source = FindSourceEntry(Engine::Prefabs->Find("Lvl_Sources"), object.PrefabName)) {
            return source;
        }
    }
    return object.MadeBy.Get();
}

}  // namespace

ObjectTreeCommand::ObjectTreeCommand(Kind kind, GameObject& object) : kind_(kind), madeBy_(object.MadeBy) {
    EditHistory& history = Engine::EditorState->History;
    parent_ = history.SlotFor(object.Parent());
    object_ = history.SlotFor(&object);
    record_.PrefabName = object.PrefabName;
    record_.Name = object.Name;
    record_.Index = IndexAmongSiblings(object);
    record_.Where = Placement::Of(object);
    if (const AutoCreate* source = ValuesSource(object)) {
        record_.Values = CaptureStoredProperties(*source, object);
    }
}

void ObjectTreeCommand::Undo() {
    kind_ == Kind::Created ? Remove() : Bring();
}

void ObjectTreeCommand::Redo() {
    kind_ == Kind::Created ? Bring() : Remove();
}

void ObjectTreeCommand::Bring() {
    GameObject* parent = parent_->Object.Get();
    if (parent == nullptr || object_->Object.Get() != nullptr) {
        return;
    }
    record_.Index = std::min(record_.Index, parent->Children().size());
    GameObject* object = nullptr;
    if (record_.PrefabName.empty()) {
        object = new GameObject();
        object->Name = record_.Name;
        record_.Where.ApplyTo(*object);
        parent->InsertChild(record_.Index, object);
    } else {
        object = record_.Restore(*parent);
    }
    object->MadeBy = madeBy_;
    object_->Object = object;
}

// The place and placement are taken again: the running game may have moved things.
void ObjectTreeCommand::Remove() {
    GameObject* object = object_->Object.Get();
    if (object == nullptr) {
        return;
    }
    record_.Index = IndexAmongSiblings(*object);
    record_.Where = Placement::Of(*object);
    object->Destroy();
    object_->Object.Reset();
}

std::vector<GameObject*> ObjectTreeCommand::Touched() const {
    if (GameObject* object = object_->Object.Get()) {
        return {object};
    }
    return {};
}
