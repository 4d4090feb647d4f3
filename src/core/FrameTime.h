#pragma once

// Game time of the current frame; always a whole multiple of one step interval.
struct FrameTime {
    float TotalSeconds = 0.0f;
    float DeltaSeconds = 0.0f;
};
