#pragma once

#include "core/Component.h"
#include "core/IComponentShortcuts.h"
#include "core/IEditable.h"

#include <string>

class GameObject;

// A component with logic. The frame loop calls HandleInput in the input pass and
// Update in the update pass while the object's subtree is enabled; Start is called by
// whoever builds the object (prefab instancing, the editor), never by the loop.
class Behavior : public Component, public IComponentShortcuts, public IEditable {
public:
    Behavior() = default;
    ~Behavior() override;

    virtual void Start() {}
    virtual void Update() {}
    virtual void HandleInput() {}

    // The owner's child of that name, or null without an owner.
    GameObject* FindChild(const std::string& name) const;
};
