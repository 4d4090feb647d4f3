#include "script/Easing.h"

#include <cstdint>

float EaseProgress(int kind, float t) {
    switch (kind) {
        case EaseLinear: return t;
        case EaseIn: return t * t;
        case EaseOut: return 1.0f - (t - 1.0f) * (t - 1.0f);
        default: return 3.0f * t * t - 2.0f * t * t * t;
    }
}

namespace {

float Mix(float s, float start, float end) { return (1.0f - s) * start + s * end; }

std::uint8_t MixChannel(float s, std::uint8_t start, std::uint8_t end) {
    return static_cast<std::uint8_t>(Mix(s, start / 255.0f, end / 255.0f) * 255.0f);
}

}  // namespace

Vector2 Ease(int kind, float t, Vector2 start, Vector2 end) {
    const float s = EaseProgress(kind, t);
    return {Mix(s, start.x, end.x), Mix(s, start.y, end.y)};
}

Color Ease(int kind, float t, Color start, Color end) {
    const float s = EaseProgress(kind, t);
    return {MixChannel(s, start.r, end.r), MixChannel(s, start.g, end.g), MixChannel(s, start.b, end.b),
            MixChannel(s, start.a, end.a)};
}
