#pragma once

#include "script/Easing.h"

// One value driven by a tween step.
class TweenProperty {
public:
    TweenProperty() = default;
    TweenProperty(const TweenProperty&) = delete;
    TweenProperty& operator=(const TweenProperty&) = delete;
    virtual ~TweenProperty() = default;

    // Writes the value at progress t (0 ... 1) into the target.
    virtual void Apply(float t) = 0;
};

// A tweened value of type T (Vector2 or Color) eased from `start` to `end`.
template <class T>
class TweenPropertyImpl : public TweenProperty {
public:
    // The start value is the target's value now, not at the first update.
    TweenPropertyImpl(int kind, T* targetValue, T endValue)
        : EasingKind(kind), Target(targetValue), Start(*targetValue), End(endValue) {}

    void Apply(float t) override { *Target = Ease(EasingKind, t, Start, End); }

    int EasingKind;
    T* Target;
    T Start;
    T End;
};
