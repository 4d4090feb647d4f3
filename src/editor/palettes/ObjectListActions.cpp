#include "editor/palettes/ObjectListActions.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "editor/EditorMessage.h"
#include "editor/EditorState.h"
#include "editor/level/CurrentLevel.h"
#include "editor/level/EngineObjects.h"
#include "editor/level/LevelKeeping.h"
#include "editor/prefabs/UpdatePrefabFromInstance.h"
#include "editor/undo/CommandGroup.h"
#include "editor/undo/ObjectTreeCommand.h"
#include "editor/undo/PrefabEditCommand.h"
#include "editor/undo/SiblingMoveCommand.h"
#include "prefabs/PrefabManager.h"

#include <exception>
#include <memory>
#include <vector>

namespace ObjectListActions {

namespace {

EditorState& State() { return *Engine::EditorState; }
GameObject* Selected() { return State().SelectedObject; }

// The selected object, or null after saying that there is none to act on.
GameObject* SelectedTo(const std::string& action) {
    if (Selected() == nullptr) {
        TellUser("Select an object in the list to " + action + " it");
    }
    return Selected();
}

std::vector<std::string> SourceNames(const InstanceSources& sources) {
    std::vector<std::string> names;
    if (sources.Entry != nullptr) names.push_back(sources.Entry->Owner->Name);
    if (sources.OwnPrefab != nullptr) names.push_back(sources.OwnPrefab->Name);
    return names;
}

// A change among the level's objects is a change of the level, to be saved.
void NoteChangeUnder(const GameObject* parent) {
    if (parent != nullptr && parent == CurrentLevel()) {
        MarkLevelModified();
    }
}

// A refusal is told; true when there was one.
bool Refused(const std::string& refusal) {
    if (refusal.empty()) return false;
    TellUser(refusal);
    return true;
}

void SaveOrTell(Prefab* prefab) {
    if (prefab == nullptr) {
        return;
    }
    try {
        prefab->Save();
        TellUser("Saved " + prefab->FilePath().filename().string());
    } catch (const std::exception& e) {
        TellUser("Could not save " + prefab->Name + ".json: " + e.what());
    }
}

// The object's values written into the prefabs named, as one undo step; false when
// they held them already.
bool WriteBack(const GameObject& object, const std::vector<std::string>& names) {
    auto command = std::make_unique<PrefabEditCommand>(names);
    UpdatePrefabFromInstance(object);
    if (!command->Finish()) {
        return false;
    }
    State().History.Push(std::move(command));
    return true;
}

}  // namespace

GameObject* ListedRoot() { return State().ListRoot != nullptr ? State().ListRoot : Engine::Root; }

std::string RowLabel(const GameObject& object) {
    std::string label = !object.Name.empty() ? object.Name : !object.PrefabName.empty() ? object.PrefabName : "GameObject";
    return object.Children().empty() ? label : label + "  [+]";
}

void Select(GameObject* object) {
    State().SelectedObject = object;
    State().SelectedPrefab = nullptr;
    State().SelectedAutoCreate = nullptr;
}

void Descend(GameObject& object) { State().ListRoot = &object; }

void Ascend() {
    if (GameObject* parent = ListedRoot()->Parent()) {
        State().ListRoot = parent;
    }
}

GameObject* Add(const std::string& prefabName) {
    GameObject* parent = ListedRoot();
    if (parent == nullptr || Refused(LevelKeeping::RefusalToChangeChildren(*parent))) {
        return nullptr;
    }
    GameObject* object = nullptr;
    if (prefabName.empty()) {
        object = new GameObject();
        object->Name = "NewObject";
    } else {
        object = new GameObject(prefabName);
    }
    parent->AddChild(object);
    NoteChangeUnder(parent);
    State().History.Push(std::make_unique<ObjectTreeCommand>(ObjectTreeCommand::Kind::Created, *object));
    Select(object);
    return object;
}

void RemoveSelected() {
    GameObject* object = SelectedTo("remove");
    if (object == nullptr || object->IsQueuedForDeletion() || RefuseOnEngineObject(object, "Cannot remove") ||
        Refused(LevelKeeping::RefusalToTakeOut(*object))) {
        return;
    }
    // The selection moves on to the next sibling, as when an object is deleted; a
    // removed list root hands the list to its parent.
    GameObject* parent = object->Parent();
    if (State().ListRoot == object) {
        State().ListRoot = parent;
    }
    auto command = std::make_unique<ObjectTreeCommand>(ObjectTreeCommand::Kind::Deleted, *object);
    const std::size_t index = command->Index();
    command->Remove();
    State().History.Push(std::move(command));
    NoteChangeUnder(parent);
    Select(parent != nullptr && index < parent->Children().size() ? parent->Children()[index] : nullptr);
}

void MoveSelected(int offset) {
    GameObject* object = SelectedTo("move");
    if (object == nullptr || (object->Parent() == nullptr && RefuseOnEngineObject(object, "Cannot move")) ||
        Refused(LevelKeeping::RefusalToChangeChildren(*object->Parent()))) {
        return;
    }
    const auto& siblings = object->Parent()->Children();
    const bool atEnd = offset < 0 ? siblings.front() == object : siblings.back() == object;
    if (atEnd) {
        TellUser(RowLabel(*object) + (offset < 0 ? " is first already" : " is last already"));
        return;
    }
    MoveAmongSiblingsWithUndo(*object, offset);
    NoteChangeUnder(object->Parent());
}

// As GameObject::Reinstance, but the old object leaves the list at once, so that
// taking the reload back puts it exactly where it stood.
void ReloadSelected() {
    GameObject* old = SelectedTo("reload");
    if (old == nullptr || old->Parent() == nullptr || old->IsQueuedForDeletion() ||
        RefuseOnEngineObject(old, "Cannot reload") || Refused(LevelKeeping::RefusalToTakeOut(*old)) ||
        Refused(old->PrefabName.empty() ? "Cannot reload " + old->Name + ": it was not made from a prefab" : "")) {
        return;
    }
    GameObject* parent = old->Parent();
    const std::string prefabName = old->PrefabName;
    const AutoCreate* entry = old->MadeBy.Get();
    auto removal = std::make_unique<ObjectTreeCommand>(ObjectTreeCommand::Kind::Deleted, *old);
    const std::size_t index = removal->Index();
    removal->Remove();
    auto* fresh = new GameObject(prefabName);
    // Made again as its entry makes it: the entry's name and overrides, and the link.
    if (entry != nullptr && entry->Owner != nullptr && entry->PrefabName == prefabName) {
        fresh->Name = entry->Name.empty() ? entry->PrefabName : entry->Name;
        entry->Owner->ApplyComponents(*fresh, entry->InstanceProperties, Prefab::ApplyMode::Override);
        fresh->MadeBy.Reset(entry);
    }
    parent->InsertChild(index, fresh);
    NoteChangeUnder(parent);
    std::vector<std::unique_ptr<EditCommand>> steps;
    steps.push_back(std::move(removal));
    steps.push_back(std::make_unique<ObjectTreeCommand>(ObjectTreeCommand::Kind::Created, *fresh));
    State().History.Push(std::make_unique<CommandGroup>(std::move(steps)));
    Select(fresh);
}

void UpdatePrefabOfSelected() {
    const GameObject* object = SelectedTo("write into its prefab");
    if (object == nullptr || RefuseOnEngineObject(object, "Cannot write into a prefab")) {
        return;
    }
    const std::vector<std::string> names = SourceNames(FindInstanceSources(*object));
    if (names.empty()) {
        TellUser("Cannot write into a prefab: " + RowLabel(*object) + " was not made from one");
    } else if (!WriteBack(*object, names)) {
        TellUser(JoinNames(names) + " already holds the values of " + RowLabel(*object));
    }
}

void SaveSelected() {
    const GameObject* object = SelectedTo("save");
    if (object == nullptr || RefuseOnEngineObject(object, "Cannot save")) {
        return;
    }
    const InstanceSources sources = FindInstanceSources(*object);
    if (sources.Entry == nullptr && sources.OwnPrefab == nullptr) {
        TellUser("Nothing to save: " + RowLabel(*object) + " was not made from a prefab");
        return;
    }
    WriteBack(*object, SourceNames(sources));
    SaveOrTell(sources.Entry != nullptr ? sources.Entry->Owner : nullptr);
    SaveOrTell(sources.OwnPrefab);
}

void EditPrefabOfSelected() {
    const GameObject* object = SelectedTo("edit the prefab of");
    Prefab* prefab = object != nullptr && Engine::Prefabs != nullptr ? Engine::Prefabs->Find(object->PrefabName) : nullptr;
    if (prefab == nullptr) {
        if (object != nullptr) TellUser(RowLabel(*object) + " was not made from a prefab");
        return;
    }
    State().SelectedObject = nullptr;
    State().SelectedAutoCreate = nullptr;
    State().SelectedPrefab = prefab;
    State().SelectedPrefabName = prefab->Name;
}

}  // namespace ObjectListActions
