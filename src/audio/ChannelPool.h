#pragma once

#include "audio/SoundChannel.h"

#include <array>
#include <cstdint>

class Sound;

// The 100 mixing channels sounds play on, one OpenAL source each. A sound started
// "paused" takes its settings before it is heard. When every channel is busy, a new
// sound takes the channel of the oldest one-shot (then the oldest of any kind); the
// handle of the sound that lost it reports "not playing" from then on.
class ChannelPool {
public:
    static constexpr int kChannelCount = 100;

    ChannelPool();
    ~ChannelPool();
    ChannelPool(const ChannelPool&) = delete;
    ChannelPool& operator=(const ChannelPool&) = delete;

    SoundChannel Start(const Sound& sound, bool paused);
    bool IsPlaying(SoundChannel channel) const;
    // Playback rate relative to the sound's own frequency.
    void SetPitch(SoundChannel channel, float ratio);
    // The sound's own volume; what is heard is that times the effects gain.
    void SetVolume(SoundChannel channel, float volume);
    // Scales every channel, playing or not, now and from then on (the player's
    // effects level).
    void SetEffectsGain(float gain);
    void SetLooping(SoundChannel channel, bool looping);
    void SetPaused(SoundChannel channel, bool paused);
    void Stop(SoundChannel channel);
    // Stops every channel playing `sound` and lets go of it, before it is freed.
    void Release(const Sound& sound);

private:
    struct Slot {
        unsigned source = 0;
        std::uint32_t generation = 0;
        bool startPending = false;
        bool looping = false;
        float volume = 1.0f;
        std::uint64_t startOrder = 0;
    };

    const Slot* Resolve(SoundChannel channel) const;
    Slot* Resolve(SoundChannel channel);
    bool IsBusy(const Slot& slot) const;
    int PickSlot() const;

    std::array<Slot, kChannelCount> slots_{};
    std::uint64_t starts_ = 0;
    float effectsGain_ = 1.0f;
};
