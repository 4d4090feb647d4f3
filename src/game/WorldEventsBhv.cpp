#include "game/WorldEventsBhv.h"

#include "core/Engine.h"

WorldEventsBhv::~WorldEventsBhv() {
    if (Engine::WorldEvents == this) {
        Engine::WorldEvents = nullptr;
    }
}

void WorldEventsBhv::Start() {
    Engine::WorldEvents = this;
}
