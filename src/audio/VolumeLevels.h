#pragma once

struct PlayerSettings;

// The player's volumes (percents) and mute, as the gains OpenAL takes. Mute is kept
// apart from the levels, so turning it off brings back exactly what was set.
struct VolumeLevels {
    int Master = 100;
    int Music = 100;
    int Effects = 100;
    bool Mute = false;

    static VolumeLevels From(const PlayerSettings& settings);

    // Loudness is heard roughly by the logarithm of the amplitude, so a linear gain
    // would put all the audible change into the last few steps. The gain is the
    // percent squared instead: 50 % is a quarter (-12 dB), 10 % a hundredth (-40 dB),
    // 0 silence; each step of ten then sounds about as large as the next.
    static float Gain(int percent);

    float ListenerGain() const { return Mute ? 0.0f : Gain(Master); }
    float MusicGain() const { return Gain(Music); }
    float EffectsGain() const { return Gain(Effects); }
};
