#pragma once

#include "core/Liveness.h"

class GameObject;

// Anything attached to a GameObject: plain data parts and, through Behavior, logic.
// The owning object deletes its components; a component deleted on its own detaches
// itself from its owner first.
class Component {
public:
    Component() = default;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;
    virtual ~Component();

    GameObject* Owner() const { return owner_; }
    bool IsQueuedForDeletion() const { return queued_; }
    // What weak handles to this component read (core/WeakHandle.h).
    const Liveness& GetLiveness() const { return liveness_; }

    // Deferred removal (the editor's way): the component keeps working until the
    // deletion phase of this frame. Queues at most once.
    void QueueDelete();

    // Moves this component `offset` places in its owner's component list, clamped to
    // the list; a behaviour moves the same way among the owner's behaviours.
    // Returns false when the clamped place is the current one.
    bool MoveInOwner(int offset);

private:
    friend class GameObject;

    GameObject* owner_ = nullptr;
    bool queued_ = false;
    Liveness liveness_;
};
