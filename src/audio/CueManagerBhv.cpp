#include "audio/CueManagerBhv.h"

#include "audio/CueComponent.h"
#include "audio/CueLoopedBhv.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "prefabs/PrefabManager.h"

CueManagerBhv::~CueManagerBhv() {
    if (Engine::CueManager == this) {
        Engine::CueManager = nullptr;
    }
}

void CueManagerBhv::Start() {
    Engine::CueManager = this;
}

namespace {

// Steps 1-4 shared by both entries: the new cue object, or null.
GameObject* BuildAndTrigger(const std::string& name) {
    CueManagerBhv* manager = Engine::CueManager;
    if (manager == nullptr || manager->Owner() == nullptr || Engine::Prefabs == nullptr) {
        return nullptr;
    }
    const std::string prefab = "Cue_" + name;
    if (Engine::Prefabs->Find(prefab) == nullptr) {
        return nullptr;
    }
    auto* cue = new GameObject(prefab);
    manager->Owner()->AddChild(cue);
    if (auto* trigger = cue->GetComponent<CueComponent>(); trigger != nullptr && trigger->Play) {
        trigger->Play();
    }
    return cue;
}

}  // namespace

void PlayCue(const std::string& name) {
    BuildAndTrigger(name);
}

CueLoopedBhv* PlayLoopedCue(const std::string& name) {
    GameObject* cue = BuildAndTrigger(name);
    return cue != nullptr ? cue->GetComponent<CueLoopedBhv>() : nullptr;
}
