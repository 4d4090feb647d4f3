#include "game/TreePasses.h"

#include "core/Behavior.h"
#include "core/DeletionQueues.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "graphics/Graphics.h"
#include "physics/B2BodyComponent.h"
#include "physics/PhysicsEditQueue.h"
#include "script/CoroutineManager.h"

#include <box2d/box2d.h>

#include <algorithm>

void TreePasses::InputPass(GameObject* object) {
    if (!object->InputEnabled) {
        return;
    }
    // Counts are taken first: what is appended during this pass waits for the next
    // one. The bound on the current size guards against entries removed meanwhile.
    const std::size_t behaviorCount = object->Behaviors().size();
    for (std::size_t i = 0; i < behaviorCount && i < object->Behaviors().size(); ++i) {
        object->Behaviors()[i]->HandleInput();
    }
    const std::size_t childCount = object->Children().size();
    for (std::size_t i = 0; i < childCount && i < object->Children().size(); ++i) {
        InputPass(object->Children()[i]);
    }
}

void TreePasses::UpdatePass(GameObject* object) {
    if (!object->UpdateEnabled) {
        return;
    }
    for (std::size_t i = 0; i < object->Behaviors().size(); ++i) {
        Behavior* behavior = object->Behaviors()[i];
        behavior->Update();
        CoroutineManager::StepCoroutines(*behavior);
    }
    for (std::size_t i = 0; i < object->Children().size(); ++i) {
        UpdatePass(object->Children()[i]);
    }
}

void TreePasses::PhysicsActivePass(GameObject* object, bool parentActive) {
    const bool active = parentActive && object->UpdateEnabled;
    if (B2BodyComponent* body = object->B2Body(); body != nullptr && body->ExistingBody() != nullptr) {
        body->ExistingBody()->SetEnabled(active);
    }
    for (GameObject* child : object->Children()) {
        PhysicsActivePass(child, active);
    }
}

void TreePasses::PhysicsStep(float deltaSeconds) {
    const float limit = 2.0f / static_cast<float>(Engine::Graphics->FrameRate);
    Engine::World->Step(std::min(deltaSeconds, limit), 8, 3);
    // What contact handlers asked to make or destroy during the step.
    Engine::PhysicsEdits->Apply();
}

void TreePasses::DeletionPhase() {
    Engine::Deletions->DeleteQueued();
}
