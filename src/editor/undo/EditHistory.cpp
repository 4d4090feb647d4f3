#include "editor/undo/EditHistory.h"

#include <algorithm>

void EditHistory::Push(std::unique_ptr<EditCommand> command) {
    ++changes_;
    undone_.clear();
    done_.push_back(std::move(command));
    if (done_.size() > Depth) {
        done_.erase(done_.begin());
    }
}

EditCommand* EditHistory::Undo() {
    if (done_.empty()) {
        return nullptr;
    }
    ++changes_;
    undone_.push_back(std::move(done_.back()));
    done_.pop_back();
    undone_.back()->Undo();
    return undone_.back().get();
}

EditCommand* EditHistory::Redo() {
    if (undone_.empty()) {
        return nullptr;
    }
    ++changes_;
    done_.push_back(std::move(undone_.back()));
    undone_.pop_back();
    done_.back()->Redo();
    return done_.back().get();
}

void EditHistory::Clear() {
    ++changes_;
    done_.clear();
    undone_.clear();
    slots_.clear();
}

std::vector<ObjectRef> EditHistory::LiveSlots() {
    std::erase_if(slots_, [](const std::weak_ptr<ObjectSlot>& slot) { return slot.expired(); });
    std::vector<ObjectRef> live;
    for (const auto& slot : slots_) {
        live.push_back(slot.lock());
    }
    return live;
}

ObjectRef EditHistory::SlotFor(GameObject* object) {
    for (const ObjectRef& slot : LiveSlots()) {
        if (slot->Object.Get() == object) {
            return slot;
        }
    }
    auto slot = std::make_shared<ObjectSlot>();
    slot->Object = object;
    slots_.push_back(slot);
    return slot;
}

void EditHistory::RememberIndices(const GameObject& level) {
    const auto& children = level.Children();
    for (const ObjectRef& slot : LiveSlots()) {
        const auto at = std::find(children.begin(), children.end(), slot->Object.Get());
        slot->SavedIndex = at != children.end() ? static_cast<int>(at - children.begin()) : -1;
    }
}

void EditHistory::Rebind(const GameObject& level) {
    const auto& children = level.Children();
    for (const ObjectRef& slot : LiveSlots()) {
        if (slot->SavedIndex >= 0 && static_cast<std::size_t>(slot->SavedIndex) < children.size()) {
            slot->Object = children[static_cast<std::size_t>(slot->SavedIndex)];
        }
        slot->SavedIndex = -1;
    }
}
