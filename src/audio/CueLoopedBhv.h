#pragma once

#include "audio/SoundChannel.h"
#include "core/Behavior.h"

#include <string>

// Plays its sound endlessly until its object is destroyed (which silences it) or its
// channel is taken away (which queues the object for deletion).
class CueLoopedBhv : public Behavior {
public:
    CueLoopedBhv();
    ~CueLoopedBhv() override;

    std::string SoundName;
    float Volume = 1.0f;
    float Pitch = 0.0f;

    void Start() override;
    void Update() override;
    void PlayLooped();
    // Stops the sound if it still plays and queues the object for deletion.
    void StopLoop();

    SoundChannel Channel() const { return channel_; }

private:
    SoundChannel channel_;
    bool started_ = false;
};
