#pragma once

#include "animation/AnimationFrame.h"

#include <cstddef>
#include <vector>

// One animation read from an ".anim" file: its frames in file order.
class AnimationData {
public:
    virtual ~AnimationData() = default;

    std::vector<AnimationFrame> Frames;
    // Seconds: the sum of all frame durations.
    float Duration = 0.0f;
    bool Loop = false;

    // Frame k is shown from its start until this time: the next frame's start, or the
    // duration for the last frame.
    float FrameEnd(std::size_t k) const { return k + 1 < Frames.size() ? Frames[k + 1].StartTime : Duration; }
};
