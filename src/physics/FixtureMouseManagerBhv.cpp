#include "physics/FixtureMouseManagerBhv.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "graphics/Graphics.h"
#include "input/InputManager.h"
#include "physics/B2FixtureComponent.h"
#include "physics/FixtureMouseListenerBhv.h"
#include "physics/FixtureQueries.h"

void FixtureMouseManagerBhv::HandleInput() {
    if (Engine::World == nullptr || Engine::InputManager == nullptr || Engine::Graphics == nullptr) {
        return;
    }
    MarkListenersNear(*Engine::World, Engine::InputManager->CursorInWorld());
}

void FixtureMouseManagerBhv::MarkListenersNear(b2World& world, Vector2 worldPoint) {
    for (B2FixtureComponent* fixture : QueryFixturesNearPoint(world, worldPoint, MouseReach)) {
        GameObject* owner = fixture->Owner();
        if (owner == nullptr) {
            continue;
        }
        if (auto* listener = owner->GetComponent<FixtureMouseListenerBhv>()) {
            listener->MouseOverPending = true;
        }
    }
}
