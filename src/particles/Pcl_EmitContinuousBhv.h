#pragma once

#include "particles/ParticleEmitterBhv.h"

// Emits "ParticlesPerSec" particles a second for as long as it lives, keeping the
// long-run rate exactly: the number emitted follows elapsed time × rate, several in
// one update when needed.
class Pcl_EmitContinuousBhv : public ParticleEmitterBhv {
public:
    Pcl_EmitContinuousBhv();

    void Update() override;

    float ParticlesPerSec = 10.0f;

    double Elapsed() const { return elapsed_; }

private:
    // Double precision: a float clock of a long-lived emitter stops advancing by a
    // frame's delta after a few days and loses whole particles long before.
    double elapsed_ = 0.0;
    // A whole number; double so a huge rate never overflows it.
    double emitted_ = 0.0;
};
