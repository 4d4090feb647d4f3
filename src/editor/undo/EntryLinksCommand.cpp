#include "editor/undo/EntryLinksCommand.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "editor/undo/EditHistory.h"
#include "prefabs/PrefabManager.h"

#include <algorithm>

namespace {

template <class Visit>
void ForEachObject(GameObject& object, const Visit& visit) {
    visit(object);
    for (GameObject* child : object.Children()) {
        ForEachObject(*child, visit);
    }
}

}  // namespace

EntryLinksCommand::EntryLinksCommand(std::vector<std::string> prefabNames, PrefabManager& prefabs, EditHistory& history)
    : names_(std::move(prefabNames)), prefabs_(prefabs), history_(history) {
    before_ = Record();
}

void EntryLinksCommand::Finish(std::unique_ptr<EditCommand> inner) {
    inner_ = std::move(inner);
    after_ = Record();
}

void EntryLinksCommand::Undo() {
    inner_->Undo();
    Apply(before_);
}

void EntryLinksCommand::Redo() {
    inner_->Redo();
    Apply(after_);
}

std::vector<EntryLinksCommand::Link> EntryLinksCommand::Record() const {
    std::vector<Link> links;
    if (Engine::Root == nullptr) {
        return links;
    }
    ForEachObject(*Engine::Root, [&](GameObject& object) {
        const AutoCreate* entry = object.MadeBy.Get();
        const Prefab* owner = entry != nullptr ? entry->Owner : nullptr;
        if (owner == nullptr || std::find(names_.begin(), names_.end(), owner->Name) == names_.end()) {
            return;
        }
        const auto& entries = owner->AutoCreates;
        const auto at = std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.get() == entry; });
        links.push_back({history_.SlotFor(&object), owner->Name, static_cast<std::size_t>(at - entries.begin())});
    });
    return links;
}

void EntryLinksCommand::Apply(const std::vector<Link>& links) const {
    for (const Link& link : links) {
        GameObject* object = link.Object->Object.Get();
        const Prefab* owner = prefabs_.Find(link.Owner);
        if (object != nullptr && owner != nullptr && link.Index < owner->AutoCreates.size()) {
            object->MadeBy.Reset(owner->AutoCreates[link.Index].get());
        }
    }
}
