#include "editor/level/CurrentLevel.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "game/GameplayScreenBhv.h"
#include "game/LevelBhv.h"

GameObject* CurrentLevel() {
    const GameplayScreenBhv* screen = Engine::GameplayScreen;
    if (screen == nullptr || screen->Owner() == nullptr) {
        return nullptr;
    }
    return screen->Owner()->FindChild("Level");
}

LevelBhv* CurrentLevelBhv() {
    const GameObject* level = CurrentLevel();
    return level != nullptr ? level->GetComponent<LevelBhv>() : nullptr;
}

void MarkLevelModified() {
    if (LevelBhv* level = CurrentLevelBhv()) {
        level->IsModified = true;
    }
}

void MarkLevelModifiedBy(const GameObject& object) {
    const GameObject* level = CurrentLevel();
    for (const GameObject* at = &object; at != nullptr && level != nullptr; at = at->Parent()) {
        if (at == level) {
            MarkLevelModified();
            return;
        }
    }
}
