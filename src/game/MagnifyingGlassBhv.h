#pragma once

#include "core/Behavior.h"

#include <vector>

class GameObject;

// The examine tool: follows the mouse through the world camera and burns whatever
// lies under the focus, its child "Light". Each fixture found in the small square
// around the focus counts once, so an object with two fixtures there is burnt twice.
// The gameplay screen enables its updates only while the examine tool is selected.
class MagnifyingGlassBhv : public Behavior {
public:
    MagnifyingGlassBhv() { AddProperty("DamagePerSec", DamagePerSec); }

    void Update() override;

    float DamagePerSec = 0.0f;

    // Half the side of the square searched around the focus, in world units.
    static constexpr float FocusHalfSize = 0.1f;

    // The owners of the fixtures found by the last update, once per fixture, and the
    // damage each took. Read them right after the update: the objects may go later.
    const std::vector<GameObject*>& LastHits() const { return lastHits_; }
    float LastDamage() const { return lastDamage_; }

private:
    void FollowMouse();
    void Burn(GameObject& target, float damage);

    std::vector<GameObject*> lastHits_;
    float lastDamage_ = 0.0f;
};
