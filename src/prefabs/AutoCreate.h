#pragma once

#include "core/Liveness.h"
#include "prefabs/PrefabComponent.h"

#include <memory>
#include <string>
#include <vector>

class Prefab;

// A child that every instance of the owning prefab receives: an instance of prefab
// PrefabName, named Name (or PrefabName when Name is empty), with InstanceProperties
// applied over its own components.
class AutoCreate {
public:
    virtual ~AutoCreate() = default;

    Prefab* Owner = nullptr;
    std::string Name;
    std::string PrefabName;
    std::vector<std::unique_ptr<PrefabComponent>> InstanceProperties;

    // A deep copy; Owner is left for the caller to set.
    std::unique_ptr<AutoCreate> Clone() const;

    // Swaps this entry with the one `offset` places away in Owner's list and marks
    // Owner modified; nothing happens when that place is outside the list.
    void Move(int offset);

    // What weak handles to this entry read: objects remember the entry that made them
    // (GameObject::MadeBy), and read null once it is deleted.
    const Liveness& GetLiveness() const { return liveness_; }

private:
    Liveness liveness_;
};
