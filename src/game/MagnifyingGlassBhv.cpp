#include "game/MagnifyingGlassBhv.h"

#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/GameObject.h"
#include "game/En_AntBhv.h"
#include "graphics/Pos2dComponent.h"
#include "input/InputManager.h"
#include "physics/B2FixtureComponent.h"
#include "physics/FixtureQueries.h"

void MagnifyingGlassBhv::Update() {
    lastHits_.clear();
    FollowMouse();
    const GameObject* focus = FindChild("Light");
    if (focus == nullptr || Engine::World == nullptr) {
        return;
    }
    lastDamage_ = Engine::FrameTime->DeltaSeconds * DamagePerSec;
    std::vector<B2FixtureComponent*> found;
    QueryFixturesInSquare(*Engine::World, found, FocusHalfSize, focus->GetPosition());
    for (B2FixtureComponent* fixture : found) {
        if (GameObject* target = fixture->Owner()) {
            Burn(*target, lastDamage_);
        }
    }
}

void MagnifyingGlassBhv::FollowMouse() {
    if (Pos2d() != nullptr) {
        Pos2d()->Pos = Engine::InputManager->CursorInWorld();
    }
}

void MagnifyingGlassBhv::Burn(GameObject& target, float damage) {
    lastHits_.push_back(&target);
    // Only ants are hurt; anything else under the focus is just found.
    if (auto* ant = target.GetComponent<En_AntBhv>()) {
        ant->TakeDamage(damage);
    }
}
