#pragma once

#include "audio/SoundChannel.h"

#include <optional>
#include <string>

// What both cue behaviours do to start a sound: find it by name, start it paused on
// a free channel, set frequency and volume (and looping), then let it be heard.
namespace CuePlayback {

// Pitch in semitones to a playback rate: 2^(p/12).
float PitchToRate(float semitones);

// Nothing when no bank holds the sound; an invalid channel (one that never plays)
// when the game runs silent.
std::optional<SoundChannel> Start(const std::string& soundName, float volume, float pitchSemitones, bool setPitch, bool looping);

bool IsPlaying(SoundChannel channel);
void Stop(SoundChannel channel);

}  // namespace CuePlayback
