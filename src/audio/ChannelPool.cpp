#include "audio/ChannelPool.h"

#include "audio/Sound.h"

#include <AL/al.h>

ChannelPool::ChannelPool() {
    for (Slot& slot : slots_) {
        alGenSources(1, &slot.source);
        alSourcei(slot.source, AL_SOURCE_RELATIVE, AL_TRUE);
    }
}

ChannelPool::~ChannelPool() {
    for (Slot& slot : slots_) {
        alSourceStop(slot.source);
        alSourcei(slot.source, AL_BUFFER, 0);
        alDeleteSources(1, &slot.source);
    }
}

bool ChannelPool::IsBusy(const Slot& slot) const {
    if (slot.startPending) {
        return true;
    }
    ALint state = AL_STOPPED;
    alGetSourcei(slot.source, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING || state == AL_PAUSED;
}

int ChannelPool::PickSlot() const {
    int oldestOneShot = -1;
    int oldest = 0;
    for (int i = 0; i < kChannelCount; ++i) {
        const Slot& slot = slots_[i];
        if (!IsBusy(slot)) {
            return i;
        }
        if (!slot.looping && (oldestOneShot < 0 || slot.startOrder < slots_[oldestOneShot].startOrder)) {
            oldestOneShot = i;
        }
        if (slot.startOrder < slots_[oldest].startOrder) {
            oldest = i;
        }
    }
    return oldestOneShot >= 0 ? oldestOneShot : oldest;
}

SoundChannel ChannelPool::Start(const Sound& sound, bool paused) {
    if (sound.Buffer() == 0) {
        return {};
    }
    const int index = PickSlot();
    Slot& slot = slots_[index];
    alSourceStop(slot.source);
    alSourcei(slot.source, AL_BUFFER, static_cast<ALint>(sound.Buffer()));
    alSourcef(slot.source, AL_PITCH, 1.0f);
    alSourcef(slot.source, AL_GAIN, effectsGain_);
    alSourcei(slot.source, AL_LOOPING, AL_FALSE);
    slot.volume = 1.0f;
    ++slot.generation;
    slot.looping = false;
    slot.startOrder = ++starts_;
    slot.startPending = paused;
    if (!paused) {
        alSourcePlay(slot.source);
    }
    return {index, slot.generation};
}

const ChannelPool::Slot* ChannelPool::Resolve(SoundChannel channel) const {
    if (channel.Index < 0 || channel.Index >= kChannelCount) {
        return nullptr;
    }
    const Slot& slot = slots_[channel.Index];
    return slot.generation == channel.Generation ? &slot : nullptr;
}

ChannelPool::Slot* ChannelPool::Resolve(SoundChannel channel) {
    return const_cast<Slot*>(static_cast<const ChannelPool*>(this)->Resolve(channel));
}

bool ChannelPool::IsPlaying(SoundChannel channel) const {
    const Slot* slot = Resolve(channel);
    return slot != nullptr && IsBusy(*slot);
}

void ChannelPool::SetPitch(SoundChannel channel, float ratio) {
    if (Slot* slot = Resolve(channel)) {
        alSourcef(slot->source, AL_PITCH, ratio);
    }
}

void ChannelPool::SetVolume(SoundChannel channel, float volume) {
    if (Slot* slot = Resolve(channel)) {
        slot->volume = volume;
        alSourcef(slot->source, AL_GAIN, volume * effectsGain_);
    }
}

void ChannelPool::SetEffectsGain(float gain) {
    effectsGain_ = gain;
    for (const Slot& slot : slots_) {
        alSourcef(slot.source, AL_GAIN, slot.volume * effectsGain_);
    }
}

void ChannelPool::SetLooping(SoundChannel channel, bool looping) {
    if (Slot* slot = Resolve(channel)) {
        slot->looping = looping;
        alSourcei(slot->source, AL_LOOPING, looping ? AL_TRUE : AL_FALSE);
    }
}

void ChannelPool::SetPaused(SoundChannel channel, bool paused) {
    Slot* slot = Resolve(channel);
    if (slot == nullptr) {
        return;
    }
    if (paused) {
        alSourcePause(slot->source);
        return;
    }
    slot->startPending = false;
    alSourcePlay(slot->source);
}

void ChannelPool::Stop(SoundChannel channel) {
    if (Slot* slot = Resolve(channel)) {
        slot->startPending = false;
        alSourceStop(slot->source);
    }
}

void ChannelPool::Release(const Sound& sound) {
    for (Slot& slot : slots_) {
        ALint buffer = 0;
        alGetSourcei(slot.source, AL_BUFFER, &buffer);
        if (static_cast<unsigned>(buffer) == sound.Buffer()) {
            slot.startPending = false;
            ++slot.generation;
            alSourceStop(slot.source);
            alSourcei(slot.source, AL_BUFFER, 0);
        }
    }
}
