#pragma once

#include "core/Behavior.h"

#include <string>

// What both emitters share: the particle prefab and how a particle is put into the
// tree. Particles are siblings of their emitter, placed at its position, and do not
// follow it afterwards.
class ParticleEmitterBhv : public Behavior {
public:
    // At most this many particles leave one emitter in one update, so a huge rate, a
    // long stall or a large burst cannot build thousands of objects in one frame.
    static constexpr int MaxParticlesPerUpdate = 64;

    std::string ParticlePrefab;

protected:
    // Whether the particle prefab exists; says once when it does not.
    bool PrefabExists();
    // Instances `count` particles (at most MaxParticlesPerUpdate); an emitter without a
    // parent has nowhere to put them and says so once.
    void Emit(int count);

private:
    void WarnOnce(const std::string& problem);

    bool warned_ = false;
};
