#pragma once

#include "core/Vector2.h"

// The pointer's scripted path in a benchmark run at night: the flashlight sweeps the
// field below the HUD in a slow figure that covers most of it, so the light passes
// meet a moving light as a player's would.
struct PointerSweep {
    // Where the pointer is, in frame pixels, `seconds` into the run.
    static Vector2 At(float seconds);
};
