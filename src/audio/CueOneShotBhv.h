#pragma once

#include "audio/SoundChannel.h"
#include "core/Behavior.h"

#include <string>

// Plays its sound once, with an optional random pitch per play, and queues its
// object for deletion once the sound has ended (or lost its channel).
class CueOneShotBhv : public Behavior {
public:
    CueOneShotBhv();

    std::string SoundName;
    float Volume = 1.0f;
    float Pitch = 0.0f;
    float PitchVariation = 0.0f;

    void Start() override;
    void Update() override;
    void PlayOnce();

    SoundChannel Channel() const { return channel_; }

private:
    SoundChannel channel_;
    bool played_ = false;
};
