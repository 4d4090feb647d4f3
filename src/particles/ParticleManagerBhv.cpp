#include "particles/ParticleManagerBhv.h"

#include "core/ContentLog.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "prefabs/PrefabManager.h"

namespace {

// Whether the missing manager has been reported since the last one started.
bool missingManagerReported = false;

}  // namespace

ParticleManagerBhv::~ParticleManagerBhv() {
    if (Engine::ParticleManager == this) {
        Engine::ParticleManager = nullptr;
    }
}

void ParticleManagerBhv::Start() {
    Engine::ParticleManager = this;
    missingManagerReported = false;
}

GameObject* SpawnParticle(const std::string& prefabName, Vector2 position) {
    const ParticleManagerBhv* manager = Engine::ParticleManager;
    if (manager == nullptr || manager->Owner() == nullptr) {
        if (!missingManagerReported) {
            missingManagerReported = true;
            ContentLog::Warning("no particle manager: \"" + prefabName + "\" and later particles are not spawned");
        }
        return nullptr;
    }
    if (Engine::Prefabs == nullptr || Engine::Prefabs->Find(prefabName) == nullptr) {
        return nullptr;
    }
    auto* particle = new GameObject(prefabName);
    // In the tree first, so a particle with a relative position still lands on the point.
    manager->Owner()->AddChild(particle);
    particle->SetPosition(position);
    return particle;
}
