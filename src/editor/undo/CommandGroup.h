#pragma once

#include "editor/undo/EditCommand.h"

#include <memory>
#include <vector>

// Several commands taken back and made again as one step: undone last to first,
// redone first to last.
class CommandGroup : public EditCommand {
public:
    explicit CommandGroup(std::vector<std::unique_ptr<EditCommand>> steps) : steps_(std::move(steps)) {}

    void Undo() override {
        for (auto it = steps_.rbegin(); it != steps_.rend(); ++it) (*it)->Undo();
    }
    void Redo() override {
        for (auto& step : steps_) step->Redo();
    }
    std::vector<GameObject*> Touched() const override {
        std::vector<GameObject*> objects;
        for (const auto& step : steps_) {
            for (GameObject* object : step->Touched()) objects.push_back(object);
        }
        return objects;
    }

private:
    std::vector<std::unique_ptr<EditCommand>> steps_;
};
