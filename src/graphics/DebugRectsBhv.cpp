#include "graphics/DebugRectsBhv.h"

#include "core/Engine.h"
#include "core/GameObject.h"

DebugRectsBhv::~DebugRectsBhv() {
    if (Engine::DebugRects == this) {
        Engine::DebugRects = nullptr;
    }
}

void DebugRectsBhv::Start() {
    Engine::DebugRects = this;
}

void DebugRectsBhv::HandleInput() {
    const GameObject* gameplay = Engine::GameplayRoot;
    // While the play field is paused (the editor is open) the shapes stay on show.
    if (Owner() == nullptr || gameplay == nullptr || !gameplay->UpdateEnabled) {
        return;
    }
    for (GameObject* child : Owner()->Children()) {
        child->QueueForDeletion();  // at most once: a child queued earlier stays queued once
    }
}
