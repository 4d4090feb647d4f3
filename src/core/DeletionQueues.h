#pragma once

#include <vector>

class Component;
class GameObject;

// Destruction during a frame is deferred: objects and components queued here are
// deleted in the frame's deletion phase, objects first, each list in queue order.
// An entry that dies earlier (with an ancestor, say) is forgotten by its destructor,
// so nothing is deleted twice. Reached through Engine::Deletions; while that is null
// nothing can be queued.
class DeletionQueues {
public:
    DeletionQueues() = default;
    DeletionQueues(const DeletionQueues&) = delete;
    DeletionQueues& operator=(const DeletionQueues&) = delete;

    void Queue(GameObject* object) { ObjectsToDelete.push_back(object); }
    void Queue(Component* component) { ComponentsToDelete.push_back(component); }

    // Leaves a null entry in the queue's place.
    void Forget(const GameObject* object);
    void Forget(const Component* component);

    // Deletes the queued objects, then the queued components. Entries queued while
    // this runs (by a destructor) are deleted in the same call.
    void DeleteQueued();

    std::vector<GameObject*> ObjectsToDelete;
    std::vector<Component*> ComponentsToDelete;
};
