#pragma once

#include <cstddef>
#include <functional>
#include <vector>

class Component;

// Box2D cannot make or destroy a body or fixture while b2World::Step runs (the world
// is locked, and Debian's Box2D aborts on it), yet contact handlers run inside the
// step. Such edits wait here and are applied, in the order they were asked for, by
// Apply right after the step. Reached through Engine::PhysicsEdits.
class PhysicsEditQueue {
public:
    using Edit = std::function<void()>;

    PhysicsEditQueue() = default;
    PhysicsEditQueue(const PhysicsEditQueue&) = delete;
    PhysicsEditQueue& operator=(const PhysicsEditQueue&) = delete;

    // Queues `edit` on behalf of `requester`, whose death drops it (see Forget). An
    // edit that outlives its component (destroying the component's body or fixture)
    // is queued with a null requester.
    void Queue(const Component* requester, Edit edit);
    // Drops the edits `requester` queued: they would reach a deleted component.
    void Forget(const Component* requester);

    // Runs the queued edits in order and empties the queue. Call it right after every
    // step: the queued edits hold Box2D pointers that only the step keeps alive.
    void Apply();

    std::size_t Size() const { return edits_.size(); }

private:
    struct Entry {
        const Component* requester;
        Edit edit;
    };
    std::vector<Entry> edits_;
};

// True while Engine::World is inside its step: bodies and fixtures cannot be made or
// destroyed now, so they are queued on Engine::PhysicsEdits. Throws std::logic_error
// when the world steps without a queue to defer to.
bool PhysicsWorldIsStepping();
