#include "particles/Pcl_EmitContinuousBhv.h"

#include "core/Engine.h"
#include "core/FrameTime.h"

#include <cmath>

Pcl_EmitContinuousBhv::Pcl_EmitContinuousBhv() {
    AddProperty("ParticlePrefab", ParticlePrefab);
    AddProperty("ParticlesPerSec", ParticlesPerSec);
}

void Pcl_EmitContinuousBhv::Update() {
    if (!PrefabExists()) {
        return;  // the clock stands still until there is something to emit
    }
    elapsed_ += Engine::FrameTime->DeltaSeconds;
    const double target = std::floor(elapsed_ * ParticlesPerSec);
    if (!(target > emitted_)) {
        return;  // also a negative or NaN rate
    }
    // What the cap holds back is dropped, not owed: the count jumps to the target, so
    // after a stall the emitter goes on at its rate instead of spending the next
    // frames catching up.
    const double owed = target - emitted_;
    Emit(owed < MaxParticlesPerUpdate ? static_cast<int>(owed) : MaxParticlesPerUpdate);
    emitted_ = target;
}
