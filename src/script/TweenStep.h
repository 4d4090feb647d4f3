#pragma once

#include "script/TweenProperty.h"

#include <functional>
#include <memory>
#include <vector>

// A timed part of a sequence: its Values go from start to end over its duration.
class TweenStep {
public:
    TweenStep() = default;
    TweenStep(const TweenStep&) = delete;
    TweenStep& operator=(const TweenStep&) = delete;
    virtual ~TweenStep() = default;

    float Duration = 0.5f;
    float StartTime = 0.0f;  // from the beginning of the sequence
    std::function<void()> OnEnd;
    std::vector<std::unique_ptr<TweenProperty>> Values;
};
