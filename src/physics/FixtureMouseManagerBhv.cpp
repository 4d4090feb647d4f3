#include "physics/FixtureMouseManagerBhv.h"

#include "app/Engine.h"
#include "core/GameObject.h"
#include "graphics/Graphics.h"
#include "input/InputManager.h"
#include "physics/B2FixtureComponent.h"
#include "physics/FixtureMouseListenerBhv.h"
#include "physics/FixtureQueries.h"

namespace {

// The cursor through the default world camera: the back buffer's centre shows the
// origin, 32 pixels per unit, y up.
Vector2 MouseWorldPosition() {
    const Graphics& graphics = *Engine::Graphics;
    const Vector2 cursor = Engine::InputManager->Cursor;
    return {(cursor.x - graphics.Width / 2.0f) / 32.0f, (graphics.Height / 2.0f - cursor.y) / 32.0f};
}

}  // namespace

void FixtureMouseManagerBhv::HandleInput() {
    if (Engine::World == nullptr || Engine::InputManager == nullptr || Engine::Graphics == nullptr) {
        return;
    }
    MarkListenersNear(*Engine::World, MouseWorldPosition());
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
