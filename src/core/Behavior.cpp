#include "core/Behavior.h"

#include "core/GameObject.h"

Behavior::~Behavior() {
    // Coroutines go first: they are never stepped again.
    coroutines_.clear();
    // Detach while this is still a Behavior, so the owner's behaviour list and the
    // shortcut blocks lose it before the bases go.
    if (Owner() != nullptr) {
        Owner()->RemoveComponent(this);
    }
}

GameObject* Behavior::FindChild(const std::string& name) const {
    return Owner() != nullptr ? Owner()->FindChild(name) : nullptr;
}
