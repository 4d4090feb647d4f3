#include "audio/CuePlayback.h"

#include "audio/ChannelPool.h"
#include "audio/SoundManager.h"
#include "core/Engine.h"

#include <cmath>

namespace CuePlayback {

float PitchToRate(float semitones) {
    return std::pow(2.0f, semitones / 12.0f);
}

std::optional<SoundChannel> Start(const std::string& soundName, float volume, float pitchSemitones, bool setPitch,
                                  bool looping) {
    SoundManager* sounds = Engine::SoundManager;
    Sound* sound = sounds != nullptr ? sounds->FindSound(soundName) : nullptr;
    if (sound == nullptr) {
        return std::nullopt;
    }
    const SoundChannel channel = sounds->Play(*sound, true);
    ChannelPool* channels = sounds->Channels();
    if (channels == nullptr || !channel.IsValid()) {
        return channel;
    }
    if (setPitch) {
        channels->SetPitch(channel, PitchToRate(pitchSemitones));
    }
    channels->SetVolume(channel, volume);
    if (looping) {
        channels->SetLooping(channel, true);
    }
    channels->SetPaused(channel, false);
    return channel;
}

bool IsPlaying(SoundChannel channel) {
    SoundManager* sounds = Engine::SoundManager;
    return sounds != nullptr && sounds->Channels() != nullptr && sounds->Channels()->IsPlaying(channel);
}

void Stop(SoundChannel channel) {
    SoundManager* sounds = Engine::SoundManager;
    if (sounds != nullptr && sounds->Channels() != nullptr) {
        sounds->Channels()->Stop(channel);
    }
}

}  // namespace CuePlayback
