#include "game/AntFire.h"

#include "audio/CueLoopedBhv.h"
#include "audio/CueManagerBhv.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "particles/ParticleManagerBhv.h"

namespace {

void QueueForDeletion(GameObject* object) {
    if (object != nullptr) {
        object->QueueForDeletion();
    }
}

}  // namespace

bool AntFire::Ignite(GameObject& ant) {
    if (burning_ || Engine::BurningAnts >= MaxBurningAnts) {
        return false;
    }
    Engine::BurningAnts += 1;
    burning_ = true;
    const Vector2 at = ant.GetPosition();
    if (!crackleCue_) {
        crackleCue_ = PlayLoopedCue("FireCrackle");
    }
    if (!fire_) {
        fire_ = SpawnParticle("Pcl_FireStream", at);
    }
    if (!smoke_) {
        smoke_ = SpawnParticle("Pcl_SmokeStreamLite", at);
    }
    if (ant.FindChild("FireLight") == nullptr) {
        auto* light = new GameObject("FireLight");
        light->Name = "FireLight";  // found by this name on the next ignition
        ant.AddChild(light);
    }
    return true;
}

void AntFire::StartSizzleSmoke(Vector2 at) {
    if (!smoke_) {
        smoke_ = SpawnParticle("Pcl_SmokeStream", at);
        sizzleSmoke_ = smoke_;
    }
}

void AntFire::EndSizzleSmoke() {
    GameObject* spawned = sizzleSmoke_.Get();
    if (spawned == nullptr) {
        return;
    }
    spawned->QueueForDeletion();
    if (smoke_.Get() == spawned) {
        smoke_.Reset();
    }
    sizzleSmoke_.Reset();
}

void AntFire::Follow(Vector2 at) const {
    if (GameObject* smoke = smoke_.Get()) {
        smoke->SetPosition(at);
    }
    if (GameObject* fire = fire_.Get()) {
        fire->SetPosition(at);
    }
}

void AntFire::PutOut() {
    QueueForDeletion(smoke_.Get());
    QueueForDeletion(fire_.Get());
    smoke_.Reset();
    sizzleSmoke_.Reset();
    fire_.Reset();
    if (CueLoopedBhv* crackle = crackleCue_.Get()) {
        crackle->StopLoop();
    }
    crackleCue_.Reset();
    if (burning_) {
        burning_ = false;
        Engine::BurningAnts -= 1;
    }
}
