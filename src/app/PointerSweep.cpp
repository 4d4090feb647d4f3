#include "app/PointerSweep.h"

#include <cmath>
#include <numbers>

Vector2 PointerSweep::At(float seconds) {
    constexpr float kTurn = 2.0f * std::numbers::pi_v<float>;
    // Periods with no common small multiple: the path does not retrace itself soon.
    return Vector2(640.0f + 480.0f * std::sin(kTurn * seconds / 7.0f),
                   410.0f + 210.0f * std::sin(kTurn * seconds / 4.3f));
}
