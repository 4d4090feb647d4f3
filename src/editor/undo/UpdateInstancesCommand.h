#pragma once

#include "editor/undo/EditCommand.h"
#include "editor/undo/EditHistory.h"
#include "editor/undo/ObjectSlot.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// A prefab's values pushed to every instance below a root (Prefab::UpdateInstances).
// Undo puts each instance's component values back as they were, by their text, and
// takes off the components the push added; redo pushes again. Each way, an instance
// in the level marks the level modified.
class UpdateInstancesCommand : public EditCommand {
public:
    UpdateInstancesCommand(std::string prefabName, GameObject& root, EditHistory& history);

    // Pushes the values; false when the prefab is gone or has no instance.
    bool Apply();
    void Undo() override;
    void Redo() override;
    std::vector<GameObject*> Touched() const override;

private:
    using PropertyTexts = std::vector<std::pair<std::string, std::string>>;  // key, text
    struct Instance {
        ObjectRef Object;
        std::size_t ComponentCount = 0;
        std::vector<PropertyTexts> Values;  // per component, in component order
    };

    void Push();

    std::string prefabName_;
    std::vector<Instance> instances_;
};
