#pragma once

#include "editor/undo/EditCommand.h"

#include <boost/property_tree/ptree.hpp>

#include <string>
#include <vector>

class EditorState;
class PrefabManager;

// A change to prefabs, undone and redone by putting each prefab it names back as it
// was: present or not, every component, value and entry; modified unless its file
// holds exactly that. A change that alters what a level save writes ("Lvl_Sources",
// the component list of a prefab the level's objects are made from) marks the level
// modified, when made and each time it is undone or redone.
// Record before the change, make it, then Finish:
//
//     auto command = std::make_unique<PrefabEditCommand>(std::vector<std::string>{name});
//     prefab->Rename(text);
//     if (command->Finish({prefab->Name})) state.History.Push(std::move(command));
//
// Entries are rebuilt on a restore, so
// the editor's selected entry is found again by its owner and place.
class PrefabEditCommand : public EditCommand {
public:
    explicit PrefabEditCommand(std::vector<std::string> names);
    PrefabEditCommand(std::vector<std::string> names, PrefabManager& manager, EditorState* state);

    // Records the prefabs as they are after the change, together with the prefabs the
    // change created (a new, duplicated or renamed one, absent before). False when
    // nothing changed.
    bool Finish(const std::vector<std::string>& created = {});
    void Undo() override;
    void Redo() override;

protected:
    // For a rename that live objects and entries follow: what a level save writes
    // changes only where the level's own prefab changes, and that prefab is marked.
    void LeaveLevelUnmarked() { marksLevel_ = false; }

private:
    struct Stored {
        std::string Name;
        bool IsPresent = false;
        boost::property_tree::ptree Tree;
        bool IsModified = false;
    };
    std::vector<Stored> Record() const;
    void MarkLevelWhenItsSaveChanges() const;
    void Restore(const std::vector<Stored>& states);
    void Put(const Stored& stored);

    std::vector<std::string> names_;
    PrefabManager* manager_;
    EditorState* state_;
    std::vector<Stored> before_;
    std::vector<Stored> after_;
    bool marksLevel_ = true;
};
