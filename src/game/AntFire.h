#pragma once

#include "core/Vector2.h"
#include "core/WeakHandle.h"

class CueLoopedBhv;
class GameObject;

// What an ant drags along while it smokes and burns: the smoke and fire particles,
// the looped crackle and the count of burning ants. The particles belong to the
// particle manager and the cue to the cue manager, either of which may go first, so
// all three are weak handles. The count follows the burning flag alone: raised once
// when the ant catches fire and lowered once when this goes, whatever was spawned.
class AntFire {
public:
    static constexpr int MaxBurningAnts = 30;

    AntFire() = default;
    AntFire(const AntFire&) = delete;
    AntFire& operator=(const AntFire&) = delete;
    ~AntFire() { PutOut(); }

    bool IsBurning() const { return burning_; }

    // Sets `ant` on fire: counts it, starts the crackle, spawns fire and light smoke
    // where it stands and gives it a "FireLight" child. False, doing nothing, when it
    // burns already or MaxBurningAnts do.
    bool Ignite(GameObject& ant);

    // The sizzle's smoke, spawned only when there is no smoke yet; ending it removes
    // only the smoke it spawned (not the light smoke of a fire started meanwhile).
    void StartSizzleSmoke(Vector2 at);
    void EndSizzleSmoke();

    // Keeps the smoke and the fire on the ant.
    void Follow(Vector2 at) const;

    // Removes the particles, stops the crackle and uncounts a burning ant; once.
    void PutOut();

    GameObject* Smoke() const { return smoke_.Get(); }
    GameObject* Fire() const { return fire_.Get(); }
    CueLoopedBhv* CrackleCue() const { return crackleCue_.Get(); }

private:
    WeakHandle<GameObject> smoke_;
    WeakHandle<GameObject> sizzleSmoke_;
    WeakHandle<GameObject> fire_;
    WeakHandle<CueLoopedBhv> crackleCue_;
    bool burning_ = false;
};
