#pragma once

#include "particles/ParticleEmitterBhv.h"

// Emits "EmitCount" particles at its first update (at most MaxParticlesPerUpdate) and
// then queues its object for deletion, whether or not it could emit.
class Pcl_EmitOnceBhv : public ParticleEmitterBhv {
public:
    Pcl_EmitOnceBhv();

    void Update() override;

    int EmitCount = 1;
};
