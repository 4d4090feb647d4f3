#pragma once

class Behavior;

// Steps a behaviour's coroutines; the update pass calls it right after the
// behaviour's Update. Holds no data, so nothing makes an instance.
class CoroutineManager {
public:
    // For each running coroutine in identifier order: count its waits down by this
    // frame (seconds by DeltaSeconds, frames by one), and step it once both are over.
    static void StepCoroutines(Behavior& behavior);
};
