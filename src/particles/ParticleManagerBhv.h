#pragma once

#include "core/Behavior.h"
#include "core/Vector2.h"

#include <string>

class GameObject;

// Marks the object under which gameplay code spawns loose particles and emitters; the
// last one started is current (Engine::ParticleManager).
class ParticleManagerBhv : public Behavior {
public:
    ~ParticleManagerBhv() override;
    void Start() override;
};

// An instance of the prefab at `position`, appended to the current particle manager's
// object; null when the prefab does not exist or there is no particle manager (said
// once in the log until a manager starts, since callers may ask every frame).
GameObject* SpawnParticle(const std::string& prefabName, Vector2 position);
