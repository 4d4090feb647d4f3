#pragma once

#include "core/Color.h"
#include "core/Vector2.h"

// The six phases of the ambient light. Day and night hold; the four transitions
// run for their length and hand over to the next phase.
enum DayNightPhase : int {
    PhaseDay = 0,
    PhaseNight = 1,
    PhaseDusk = 2,
    PhaseNightfall = 3,
    PhaseDawn = 4,
    PhaseSunrise = 5,
};

// The colours, directions and transition lengths the cycle moves between; the
// gameplay screen's prefab sets them.
struct DayNightSettings {
    Color DayColor{255, 255, 255, 255};
    Color NightColor{0, 0, 0, 255};
    Color DuskDawnColor{0, 0, 0, 255};
    // Seconds: dusk and sunrise take the first, nightfall and dawn the second.
    float DuskTransitionTime = 4.0f;
    float NightTransitionTime = 4.0f;
    Vector2 DayLightDir;
    Vector2 DuskLightDir;
    Vector2 NightLightDir;
    Vector2 DawnLightDir;
};

struct AmbientLight {
    Color Colour;
    Vector2 Direction;
};

// Day -> dusk -> nightfall -> night (held) -> dawn -> sunrise -> day (held).
// Colours ease in towards the dusk/dawn colour and ease out of it; directions move
// linearly.
class DayNightCycle {
public:
    // Day starts dusk, night starts dawn; false (nothing changes) in a transition.
    bool Toggle();

    // The light for this frame, then the phase timer runs down by `deltaSeconds`.
    // Progress is clamped to 0 ... 1 (a zero length is already finished), so an
    // edited length never overshoots a colour byte.
    AmbientLight Step(float deltaSeconds);

    DayNightSettings Settings;
    int Phase = PhaseDay;
    // Seconds left in a transition; held at the next transition's length meanwhile.
    float PhaseTimer = 0.0f;

private:
    struct Transition;
    static const Transition* TransitionOf(int phase);
};
