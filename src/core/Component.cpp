#include "core/Component.h"

#include "core/Behavior.h"
#include "core/DeletionQueues.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "core/ListMoves.h"


Component::~Component() {
    if (queued_ && Engine::Deletions != nullptr) {
        Engine::Deletions->Forget(this);
    }
    if (owner_ != nullptr) {
        owner_->RemoveComponent(this);
    }
}

void Component::QueueDelete() {
    if (queued_ || Engine::Deletions == nullptr) {
        return;
    }
    Engine::Deletions->Queue(this);
    queued_ = true;
}

bool Component::MoveInOwner(int offset) {
    if (owner_ == nullptr) {
        return false;
    }
    auto& components = owner_->components_;
    if (!ShiftEntry(components, IndexOf(components, this), offset)) {
        return false;
    }
    if (auto* behavior = dynamic_cast<Behavior*>(this)) {
        auto& behaviors = owner_->behaviors_;
        ShiftEntry(behaviors, IndexOf(behaviors, behavior), offset);
    }
    return true;
}
