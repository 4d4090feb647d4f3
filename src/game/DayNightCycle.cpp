#include "game/DayNightCycle.h"

#include "script/Easing.h"

// One transition phase: from and to, its easing, its length and what follows it.
struct DayNightCycle::Transition {
    Color DayNightSettings::*FromColour;
    Color DayNightSettings::*ToColour;
    int ColourEasing;
    Vector2 DayNightSettings::*FromDirection;
    Vector2 DayNightSettings::*ToDirection;
    float DayNightSettings::*Length;
    int NextPhase;
    float DayNightSettings::*NextTimer;
};

namespace {

using S = DayNightSettings;

float Clamp01(float t) {
    // NaN ends up at 0 too.
    return t > 0.0f ? (t < 1.0f ? t : 1.0f) : 0.0f;
}

}  // namespace

const DayNightCycle::Transition* DayNightCycle::TransitionOf(int phase) {
    // Indexed by phase - PhaseDusk.
    static const Transition transitions[] = {
        {&S::DayColor, &S::DuskDawnColor, EaseIn, &S::DayLightDir, &S::DuskLightDir, &S::DuskTransitionTime,
         PhaseNightfall, &S::NightTransitionTime},
        {&S::DuskDawnColor, &S::NightColor, EaseOut, &S::DuskLightDir, &S::NightLightDir, &S::NightTransitionTime,
         PhaseNight, &S::NightTransitionTime},
        {&S::NightColor, &S::DuskDawnColor, EaseIn, &S::NightLightDir, &S::DawnLightDir, &S::NightTransitionTime,
         PhaseSunrise, &S::DuskTransitionTime},
        {&S::DuskDawnColor, &S::DayColor, EaseOut, &S::DawnLightDir, &S::DayLightDir, &S::DuskTransitionTime,
         PhaseDay, &S::DuskTransitionTime},
    };
    if (phase < PhaseDusk || phase > PhaseSunrise) {
        return nullptr;
    }
    return &transitions[phase - PhaseDusk];
}

bool DayNightCycle::Toggle() {
    if (Phase == PhaseDay) {
        Phase = PhaseDusk;
        PhaseTimer = Settings.DuskTransitionTime;
        return true;
    }
    if (Phase == PhaseNight) {
        Phase = PhaseDawn;
        PhaseTimer = Settings.NightTransitionTime;
        return true;
    }
    return false;
}

AmbientLight DayNightCycle::Step(float deltaSeconds) {
    const Transition* transition = TransitionOf(Phase);
    if (transition == nullptr) {
        // Held: day (or a phase number the cycle does not know) or night.
        const bool night = Phase == PhaseNight;
        PhaseTimer = night ? Settings.NightTransitionTime : Settings.DuskTransitionTime;
        return night ? AmbientLight{Settings.NightColor, Settings.NightLightDir}
                     : AmbientLight{Settings.DayColor, Settings.DayLightDir};
    }
    const float length = Settings.*transition->Length;
    const float t = length > 0.0f ? Clamp01(1.0f - PhaseTimer / length) : 1.0f;
    const AmbientLight light{
        Ease(transition->ColourEasing, t, Settings.*transition->FromColour, Settings.*transition->ToColour),
        Ease(EaseLinear, t, Settings.*transition->FromDirection, Settings.*transition->ToDirection)};
    PhaseTimer -= deltaSeconds;
    if (!(PhaseTimer > 0.0f)) {  // a NaN length moves on as well
        Phase = transition->NextPhase;
        PhaseTimer = Settings.*transition->NextTimer;
    }
    return light;
}
