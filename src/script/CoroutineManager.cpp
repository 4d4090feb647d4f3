#include "script/CoroutineManager.h"

#include "core/Behavior.h"
#include "core/Engine.h"
#include "core/FrameTime.h"

void CoroutineManager::StepCoroutines(Behavior& behavior) {
    const float delta = Engine::FrameTime->DeltaSeconds;
    // A segment may start another coroutine of the same behaviour; map iterators stay
    // valid on insertion, so it is reached in this pass when its identifier is higher.
    for (const auto& [identifier, coroutine] : behavior.Coroutines()) {
        if (!coroutine->Running) {
            continue;
        }
        if (coroutine->SecondsToWait > 0.0f) {
            coroutine->SecondsToWait -= delta;
        }
        if (coroutine->FramesToWait > 0) {
            coroutine->FramesToWait -= 1;
        }
        if (coroutine->SecondsToWait <= 0.0f && coroutine->FramesToWait < 1) {
            coroutine->Step();
        }
    }
}
