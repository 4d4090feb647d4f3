#pragma once

#include <cstdint>

// A handle on one of the pooled channels. The generation tells whether the channel
// still plays what this handle started: once the channel is taken for another sound
// the handle reports "not playing" and every operation on it does nothing.
struct SoundChannel {
    int Index = -1;
    std::uint32_t Generation = 0;

    bool IsValid() const { return Index >= 0; }
};
