#include "editor/prefabs/PrefabOperations.h"

#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/GameObject.h"
#include "editor/EditorMessage.h"
#include "editor/EditorState.h"
#include "editor/dialogs/EdDlgMessageBoxBhv.h"
#include "editor/prefabs/PrefabReferences.h"
#include "editor/prefabs/RequiredPrefabs.h"
#include "editor/undo/CommandGroup.h"
#include "editor/undo/EntryLinksCommand.h"
#include "editor/undo/ObjectTreeCommand.h"
#include "editor/undo/PrefabEditCommand.h"
#include "prefabs/PrefabManager.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <iterator>
#include <memory>

namespace {

// The last question asked: which change, and when (game seconds).
struct OpenQuestion {
    std::string Change;
    float AskedAt = 0.0f;
};
OpenQuestion question;

float Now() {
    return Engine::FrameTime != nullptr ? Engine::FrameTime->TotalSeconds : 0.0f;
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// A rename's undo step over the prefab and those whose entries name it (`names`, the
// renamed one first): SelectedPrefabName and the live objects made of the prefab
// follow it back and forth, as they followed the rename.
class RenameCommand : public PrefabEditCommand {
public:
    RenameCommand(const std::vector<std::string>& names, PrefabManager& prefabs, EditorState& state)
        : PrefabEditCommand(names, prefabs, &state), from_(names.front()), state_(state) {
        LeaveLevelUnmarked();
    }
    void Finish(const std::string& to) {
        to_ = to;
        PrefabEditCommand::Finish({to});
    }
    void Undo() override {
        PrefabEditCommand::Undo();
        Follow(to_, from_);
    }
    void Redo() override {
        PrefabEditCommand::Redo();
        Follow(from_, to_);
    }

    static void RenameObjects(const std::string& gone, const std::string& back) {
        if (Engine::Root != nullptr) {
            PrefabReferences::RenameObjects(*Engine::Root, gone, back);
        }
    }

private:
    void Follow(const std::string& gone, const std::string& back) {
        if (state_.SelectedPrefabName == gone) {
            state_.SelectedPrefabName = back;
        }
        RenameObjects(gone, back);
    }

    std::string from_;
    std::string to_;
    EditorState& state_;
};

// The live objects those entries made, removed; the steps bring them back.
std::vector<std::unique_ptr<EditCommand>> TakeOutObjectsMadeBy(const std::vector<AutoCreate*>& entries) {
    std::vector<std::unique_ptr<EditCommand>> steps;
    if (Engine::Root == nullptr) {
        return steps;
    }
    for (GameObject* object : PrefabReferences::ObjectsMadeBy(*Engine::Root, entries)) {
        auto removal = std::make_unique<ObjectTreeCommand>(ObjectTreeCommand::Kind::Deleted, *object);
        removal->Remove();
        steps.push_back(std::move(removal));
    }
    return steps;
}

}  // namespace

PrefabOperations::PrefabOperations() : PrefabOperations(*Engine::Prefabs, *Engine::EditorState) {}

PrefabOperations::PrefabOperations(PrefabManager& prefabs, EditorState& state) : prefabs_(prefabs), state_(state) {}

std::unique_ptr<PrefabEditCommand> PrefabOperations::Begin(std::vector<std::string> names) {
    return std::make_unique<PrefabEditCommand>(std::move(names), prefabs_, &state_);
}

void PrefabOperations::Record(std::unique_ptr<PrefabEditCommand> command, const std::vector<std::string>& created) {
    if (command->Finish(created)) {
        state_.History.Push(std::move(command));
    }
}

void PrefabOperations::ForgetQuestion() {
    question = {};
}

void PrefabOperations::Select(Prefab* prefab) {
    state_.SelectedPrefab = prefab;
    state_.SelectedPrefabName = prefab != nullptr ? prefab->Name : "";
    state_.SelectedObject = nullptr;
    state_.SelectedAutoCreate = nullptr;
}

Prefab* PrefabOperations::Create() {
    auto command = Begin({});
    auto made = std::make_unique<Prefab>(prefabs_, prefabs_.FirstUnusedName("NewPrefab"));
    made->IsModified = true;
    Prefab* prefab = prefabs_.Adopt(std::move(made));
    Select(prefab);
    Record(std::move(command), {prefab->Name});
    return prefab;
}

Prefab* PrefabOperations::Duplicate(const Prefab& source) {
    const std::string name = prefabs_.FirstUnusedName(Prefab::UnnumberedName(source.Name));
    if (!Prefab::NameProblem(name).empty()) {
        TellUser("Cannot duplicate " + source.Name + ": no free name is short enough");
        return nullptr;
    }
    auto command = Begin({});
    std::unique_ptr<Prefab> copy = source.Copy();
    copy->Name = name;
    copy->IsModified = true;
    Prefab* prefab = prefabs_.Adopt(std::move(copy));
    Select(prefab);
    Record(std::move(command), {prefab->Name});
    return prefab;
}

std::vector<std::string> PrefabOperations::UsersOf(const std::string& name) const {
    std::vector<std::string> users;
    for (const AutoCreate* entry : PrefabReferences::EntriesNaming(prefabs_, name)) {
        const std::string& owner = entry->Owner->Name;
        if (owner != name && (users.empty() || users.back() != owner)) {
            users.push_back(owner);
        }
    }
    return users;
}

PrefabOperations::Outcome PrefabOperations::CheckRemovable(const std::string& name, const std::string& verb) {
    if (IsRequiredPrefab(name)) {
        TellUser(name + " cannot be " + verb + "d: the game asks for it by name");
        return Outcome::Refused;
    }
    const std::vector<std::string> users = UsersOf(name);
    if (users.empty()) {
        return Outcome::Done;
    }
    const std::string change = verb + " " + name;
    if (question.Change == change && Now() - question.AskedAt <= ConfirmSeconds) {
        question = {};
        return Outcome::Done;
    }
    question = {change, Now()};
    TellUser(name + " is used by " + JoinNames(users) + "; press again to " + verb + " it there too");
    return Outcome::AskAgain;
}

PrefabOperations::Outcome PrefabOperations::Rename(Prefab& prefab, const std::string& text) {
    if (text == prefab.Name) {
        return Outcome::Unchanged;
    }
    if (const std::string problem = Prefab::NameProblem(text); !problem.empty()) {
        TellUser("Cannot rename " + prefab.Name + " to " + Quoted(text) + ": " + problem);
        return Outcome::Refused;
    }
    const std::string given = prefabs_.FirstUnusedName(text);
    if (!Prefab::NameProblem(given).empty()) {
        TellUser("Cannot rename " + prefab.Name + " to " + Quoted(text) + ": the numbered name would be too long");
        return Outcome::Refused;
    }
    if (const Outcome check = CheckRemovable(prefab.Name, "rename"); check != Outcome::Done) {
        return check;
    }
    const std::string oldName = prefab.Name;
    std::vector<std::string> names = UsersOf(oldName);
    names.insert(names.begin(), oldName);
    auto command = std::make_unique<RenameCommand>(names, prefabs_, state_);
    prefabs_.Rekey(prefab, given);
    prefab.IsModified = true;
    PrefabReferences::RenameEntries(prefabs_, oldName, given);
    RenameCommand::RenameObjects(oldName, given);
    if (state_.SelectedPrefabName == oldName) {
        state_.SelectedPrefabName = given;
    }
    command->Finish(given);  // a new name is always a change
    state_.History.Push(std::move(command));
    if (given != text) {
        TellUser(Quoted(text) + " is taken: named " + Quoted(given));
    }
    return Outcome::Done;
}

PrefabOperations::Outcome PrefabOperations::Remove(const std::string& name) {
    if (prefabs_.Find(name) == nullptr) {
        return Outcome::Unchanged;
    }
    auto* box = dynamic_cast<EdDlgMessageBoxBhv*>(state_.MessageBox);
    if (box != nullptr && !IsRequiredPrefab(name) && !UsersOf(name).empty()) {
        AskToRemove(*box, name);
        return Outcome::AskAgain;
    }
    if (const Outcome check = CheckRemovable(name, "remove"); check != Outcome::Done) {
        return check;
    }
    return RemoveWithEntries(name);
}

void PrefabOperations::AskToRemove(EdDlgMessageBoxBhv& box, const std::string& name) {
    std::vector<AutoCreate*> entries = PrefabReferences::EntriesNaming(prefabs_, name);
    std::erase_if(entries, [&](const AutoCreate* entry) { return entry->Owner->Name == name; });
    // The box's title is one line: the list goes to the message line beside it.
    TellUser("Entries creating " + name + ": " + PrefabReferences::OwnersOf(entries) +
             "; Yes removes them too, with the objects they made (Undo brings them back)");
    const std::string question = "Remove " + name + " and " + std::to_string(entries.size()) +
                                 (entries.size() == 1 ? " entry" : " entries") + " creating it?";
    box.Open(question, {"Yes", "No"}, [&prefabs = prefabs_, &state = state_, name](const std::string& answer) {
        if (answer == "Yes") {
            PrefabOperations(prefabs, state).RemoveWithEntries(name);
        }
    });
}

PrefabOperations::Outcome PrefabOperations::RemoveWithEntries(const std::string& name) {
    Prefab* prefab = prefabs_.Find(name);
    if (prefab == nullptr) {
        return Outcome::Unchanged;
    }
    // The next prefab in name order, else the one before.
    const auto& all = prefabs_.Prefabs();
    auto at = all.find(name);
    std::string next = std::next(at) != all.end() ? std::next(at)->first : "";
    if (next.empty() && at != all.begin()) {
        next = std::prev(at)->first;
    }
    std::vector<std::string> names = UsersOf(name);
    names.insert(names.begin(), name);
    auto links = std::make_unique<EntryLinksCommand>(names, prefabs_, state_.History);
    auto command = Begin(names);
    const std::vector<AutoCreate*> entries = PrefabReferences::EntriesNaming(prefabs_, name);
    const AutoCreate* selected = state_.SelectedAutoCreate;
    if (selected != nullptr &&
        (selected->Owner == prefab || std::find(entries.begin(), entries.end(), selected) != entries.end())) {
        state_.SelectedAutoCreate = nullptr;
    }
    std::vector<std::unique_ptr<EditCommand>> steps = TakeOutObjectsMadeBy(entries);
    const bool wasEdited = state_.SelectedPrefab == prefab;
    prefabs_.Release(name);
    PrefabReferences::RemoveEntries(prefabs_, name);
    if (state_.SelectedPrefabName == name) {
        state_.SelectedPrefabName = next;
    }
    if (wasEdited) {
        state_.SelectedPrefab = prefabs_.Find(next);
    }
    command->Finish();
    steps.push_back(std::move(command));
    links->Finish(std::make_unique<CommandGroup>(std::move(steps)));
    state_.History.Push(std::move(links));
    return Outcome::Done;
}

PrefabOperations::Outcome PrefabOperations::Revert(Prefab& prefab) {
    // An undone rename rebuilds the prefab without its file name; its name is its file then.
    const std::string fileName = prefab.FileName.empty() ? prefab.Name : prefab.FileName;
    const std::filesystem::path file = prefabs_.FileOf(fileName);
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        TellUser(prefab.Name + " has no file to revert to");
        return Outcome::Unchanged;
    }
    // A renamed prefab still needs its new file.
    return ReadBack(prefab, file, fileName, fileName != prefab.Name);
}

PrefabOperations::Outcome PrefabOperations::RevertToShipped(Prefab& prefab) {
    const std::string fileName = prefab.FileName.empty() ? prefab.Name : prefab.FileName;
    const std::filesystem::path shipped = prefabs_.ShippedFileOf(fileName);
    if (shipped.empty()) {
        TellUser(prefab.Name + " has no shipped file under your own");
        return Outcome::Unchanged;
    }
    // Saving it then removes the player's copy, so the shipped file counts again.
    std::error_code error;
    const bool ownCopy = std::filesystem::exists(prefabs_.SaveDirectory() / (fileName + ".json"), error);
    const Outcome outcome = ReadBack(prefab, shipped, fileName, ownCopy || fileName != prefab.Name);
    if (outcome == Outcome::Done) {
        TellUser(prefab.Name + " is as shipped" + (prefab.IsModified ? "; save to drop your own copy" : ""));
    }
    return outcome;
}

PrefabOperations::Outcome PrefabOperations::ReadBack(Prefab& prefab, const std::filesystem::path& file,
                                                     const std::string& fileName, bool modified) {
    Prefab fresh(prefabs_, prefab.Name);
    try {
        fresh.Load(file);
    } catch (const std::exception& e) {
        TellUser("Cannot revert " + prefab.Name + ": " + e.what());
        return Outcome::Refused;
    }
    auto command = Begin({prefab.Name});
    if (state_.SelectedAutoCreate != nullptr && state_.SelectedAutoCreate->Owner == &prefab) {
        state_.SelectedAutoCreate = nullptr;
    }
    prefab.Components = std::move(fresh.Components);
    prefab.AutoCreates = std::move(fresh.AutoCreates);
    for (const auto& entry : prefab.AutoCreates) {
        entry->Owner = &prefab;
    }
    prefab.FileName = fileName;
    prefab.IsModified = modified;
    Record(std::move(command));
    return Outcome::Done;
}

bool PrefabOperations::Save(Prefab& prefab) {
    try {
        prefab.Save();
    } catch (const std::exception& e) {
        TellUser(PrefabManager::SaveFailure(prefab.FilePath(), e));
        return false;
    }
    TellUser("Saved " + prefab.Name);
    return true;
}

bool PrefabOperations::SaveAll() {
    const auto& all = prefabs_.Prefabs();
    const bool modified = std::any_of(all.begin(), all.end(), [](const auto& entry) { return entry.second->IsModified; });
    if (!modified && prefabs_.PendingRemovals().empty()) {
        TellUser("Nothing to save");
        return true;
    }
    const std::vector<std::string> failures = prefabs_.SaveAll();
    for (const std::string& failure : failures) {
        TellUser(failure);
    }
    if (failures.empty()) {
        TellUser("Saved all prefabs");
    }
    return failures.empty();
}
