#include "editor/undo/ShapeEditCommand.h"

#include "core/GameObject.h"
#include "editor/level/CurrentLevel.h"
#include "editor/undo/EditHistory.h"
#include "physics/B2FixtureComponent.h"

#include <algorithm>

namespace {

std::vector<B2FixtureComponent*> FixturesOf(const GameObject& object) {
    std::vector<B2FixtureComponent*> fixtures;
    for (Component* c : object.Components()) {
        if (auto* fixture = dynamic_cast<B2FixtureComponent*>(c)) {
            fixtures.push_back(fixture);
        }
    }
    return fixtures;
}

std::size_t IndexAmongSiblings(const GameObject& object) {
    const auto& siblings = object.Parent()->Children();
    return static_cast<std::size_t>(std::find(siblings.begin(), siblings.end(), &object) - siblings.begin());
}

}  // namespace

ShapeEditCommand::ShapeEditCommand(EditHistory& history, B2FixtureComponent& fixture, std::string before,
                                   std::string after)
    : before_(std::move(before)), after_(std::move(after)) {
    GameObject* owner = fixture.Owner();
    const std::vector<B2FixtureComponent*> fixtures = FixturesOf(*owner);
    fixtureIndex_ = static_cast<std::size_t>(std::find(fixtures.begin(), fixtures.end(), &fixture) - fixtures.begin());
    // Up to the level's child when the owner is inside the level, else the owner itself.
    const GameObject* level = CurrentLevel();
    GameObject* top = owner;
    for (GameObject* up = owner; level != nullptr && up->Parent() != nullptr; up = up->Parent()) {
        if (up->Parent() == level) {
            top = up;
            break;
        }
    }
    for (const GameObject* step = owner; top != owner && step != top; step = step->Parent()) {
        path_.insert(path_.begin(), IndexAmongSiblings(*step));
    }
    object_ = history.SlotFor(top);
}

GameObject* ShapeEditCommand::Owner() const {
    GameObject* object = object_->Object.Get();
    for (std::size_t index : path_) {
        if (object == nullptr || index >= object->Children().size()) {
            return nullptr;
        }
        object = object->Children()[index];
    }
    return object;
}

void ShapeEditCommand::Apply(const std::string& text) const {
    if (GameObject* owner = Owner()) {
        const std::vector<B2FixtureComponent*> fixtures = FixturesOf(*owner);
        if (fixtureIndex_ < fixtures.size()) {
            fixtures[fixtureIndex_]->SetShapeText(text);
        }
    }
}

std::vector<GameObject*> ShapeEditCommand::Touched() const {
    GameObject* object = object_->Object.Get();
    return object != nullptr ? std::vector<GameObject*>{object} : std::vector<GameObject*>{};
}
