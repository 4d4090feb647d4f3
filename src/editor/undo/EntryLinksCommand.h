#pragma once

#include "editor/undo/EditCommand.h"
#include "editor/undo/ObjectSlot.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class EditHistory;
class PrefabManager;

// A change of prefabs' entries that also links live objects to them anew: undone and
// redone by its inner step, after which each live object made by an entry of the named
// prefabs is pointed again at the entry at its place then (GameObject::MadeBy). The
// inner step rebuilds the entries, removes entries before others and may bring objects
// back as new ones (named by their slots), so neither old handles nor today's places
// would do. Record before the change, make it, then Finish with the inner step.
class EntryLinksCommand : public EditCommand {
public:
    EntryLinksCommand(std::vector<std::string> prefabNames, PrefabManager& prefabs, EditHistory& history);

    void Finish(std::unique_ptr<EditCommand> inner);
    void Undo() override;
    void Redo() override;
    std::vector<GameObject*> Touched() const override { return inner_->Touched(); }

private:
    struct Link {
        ObjectRef Object;
        std::string Owner;
        std::size_t Index = 0;
    };
    std::vector<Link> Record() const;
    void Apply(const std::vector<Link>& links) const;

    std::vector<std::string> names_;
    PrefabManager& prefabs_;
    EditHistory& history_;
    std::vector<Link> before_;
    std::vector<Link> after_;
    std::unique_ptr<EditCommand> inner_;
};
