#pragma once

class Behavior;

// Steps a behaviour's coroutines; the update pass calls it right after the
// behaviour's Update. Holds no data.
class CoroutineManager {
public:
    virtual ~CoroutineManager() = default;

    // For each running coroutine in identifier order: count its waits down by this
    // frame (seconds by DeltaSeconds, frames by one), and step it once both are over.
    void StepCoroutines(Behavior& behavior) const;
};
