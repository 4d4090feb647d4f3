#pragma once

class GameObject;

// The passes of a frame over the object tree, in the order the loop runs them. They
// need no application, so tests run them over a tree of their own.
namespace TreePasses {

// Behaviours of input-enabled subtrees; counts taken before each loop, so what is
// appended during the pass waits for the next one.
void InputPass(GameObject* object);
// Update-enabled subtrees, sizes re-read on every iteration so entries appended
// during the pass are reached in the same pass; each behaviour's coroutines step
// right after its Update.
void UpdatePass(GameObject* object);
// Sets every body below `object` enabled exactly where the object and all its
// ancestors up to the pass's start are update-enabled; runs every frame.
void PhysicsActivePass(GameObject* object, bool parentActive);
// One world step of min(deltaSeconds, 2 / FrameRate), 8 velocity and 3 position
// iterations, then the body and fixture edits asked for during it.
void PhysicsStep(float deltaSeconds);
// Deletes the queued objects, then the queued components, each in queue order.
void DeletionPhase();

}  // namespace TreePasses
