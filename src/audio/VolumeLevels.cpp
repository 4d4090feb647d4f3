#include "audio/VolumeLevels.h"

#include "platform/PlayerSettings.h"

#include <algorithm>

VolumeLevels VolumeLevels::From(const PlayerSettings& settings) {
    return {settings.MasterVolume, settings.MusicVolume, settings.EffectsVolume, settings.Mute};
}

float VolumeLevels::Gain(int percent) {
    const float share = static_cast<float>(std::clamp(percent, 0, 100)) / 100.0f;
    return share * share;
}
