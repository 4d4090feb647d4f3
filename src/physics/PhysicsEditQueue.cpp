#include "physics/PhysicsEditQueue.h"

#include "core/Engine.h"

#include <box2d/b2_world.h>

#include <stdexcept>

void PhysicsEditQueue::Queue(const Component* requester, Edit edit) {
    edits_.push_back({requester, std::move(edit)});
}

void PhysicsEditQueue::Forget(const Component* requester) {
    if (requester == nullptr) {
        return;  // the edits nobody owns are never dropped
    }
    for (Entry& entry : edits_) {
        if (entry.requester == requester) {
            entry.requester = nullptr;
            entry.edit = nullptr;
        }
    }
}

void PhysicsEditQueue::Apply() {
    // Indexed, and each edit moved out before it runs: an edit may still queue or
    // forget others without invalidating the one running.
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        Edit edit = std::move(edits_[i].edit);
        edits_[i] = {nullptr, nullptr};
        if (edit) {
            edit();
        }
    }
    edits_.clear();
}

bool PhysicsWorldIsStepping() {
    if (Engine::World == nullptr || !Engine::World->IsLocked()) {
        return false;
    }
    if (Engine::PhysicsEdits == nullptr) {
        throw std::logic_error("the physics world is stepping and there is no edit queue to defer to");
    }
    return true;
}
