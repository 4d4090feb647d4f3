#pragma once

#include "core/Color.h"
#include "core/Vector2.h"

// Easing kinds; any other value eases like Smooth.
enum EasingKind : int { EaseLinear = 0, EaseSmooth = 1, EaseIn = 2, EaseOut = 3 };

// The eased progress s(t) for t in 0 ... 1: t, 3t^2 - 2t^3, t^2 or 1 - (t - 1)^2.
float EaseProgress(int kind, float t);

// (1 - s) * start + s * end per component, s = EaseProgress(kind, t).
Vector2 Ease(int kind, float t, Vector2 start, Vector2 end);
// Per channel on byte / 255, scaled back by 255 and truncated.
Color Ease(int kind, float t, Color start, Color end);
