#include "particles/ParticleEmitterBhv.h"

#include "core/ContentLog.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "prefabs/PrefabManager.h"

#include <algorithm>

bool ParticleEmitterBhv::PrefabExists() {
    if (Engine::Prefabs != nullptr && Engine::Prefabs->Find(ParticlePrefab) != nullptr) {
        return true;
    }
    WarnOnce("no particle prefab \"" + ParticlePrefab + "\"");
    return false;
}

void ParticleEmitterBhv::Emit(int count) {
    GameObject* emitter = Owner();
    if (emitter == nullptr) {
        return;
    }
    GameObject* parent = emitter->Parent();
    if (parent == nullptr) {
        WarnOnce("no parent to put its particles under");
        return;
    }
    const Vector2 at = emitter->GetPosition();
    for (int i = std::min(count, MaxParticlesPerUpdate); i > 0; --i) {
        auto* particle = new GameObject(ParticlePrefab);
        // In the tree first, so a particle with a relative position still lands on the point.
        parent->AddChild(particle);
        particle->SetPosition(at);
    }
}

void ParticleEmitterBhv::WarnOnce(const std::string& problem) {
    if (warned_) {
        return;
    }
    warned_ = true;
    const std::string name = Owner() != nullptr ? Owner()->Name : std::string();
    ContentLog::Warning("particle emitter \"" + name + "\" emits nothing: " + problem);
}
