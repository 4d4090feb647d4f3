#include "script/TweenSequence.h"

namespace {

void CallIfSet(const std::function<void()>& callback) {
    if (callback) {
        callback();
    }
}

}  // namespace

bool TweenSequence::Advance(float deltaSeconds) {
    Elapsed += deltaSeconds;
    float t = Elapsed < TotalDuration ? ProgressInCurrentStep() : -1.0f;
    if (t < 0.0f) {
        Finish();
        t = 1.0f;
    }
    if (!Steps.empty()) {
        for (const auto& value : Steps[CurrentStep]->Values) {
            value->Apply(t);
        }
    }
    return Elapsed >= TotalDuration;
}

float TweenSequence::ProgressInCurrentStep() {
    while (Elapsed < TotalDuration && static_cast<std::size_t>(CurrentStep) < Steps.size()) {
        const TweenStep& step = *Steps[CurrentStep];
        const float end = StepEnd(CurrentStep);
        if (step.StartTime <= Elapsed && Elapsed < end) {
            return (Elapsed - step.StartTime) / (end - step.StartTime);
        }
        CallIfSet(step.OnEnd);
        ++CurrentStep;
    }
    return -1.0f;
}

float TweenSequence::StepEnd(std::size_t index) const {
    return index + 1 < Steps.size() ? Steps[index + 1]->StartTime : TotalDuration;
}

void TweenSequence::Finish() {
    Elapsed = TotalDuration;
    // A sequence without Steps has nothing to apply; it only completes.
    CurrentStep = Steps.empty() ? 0 : static_cast<int>(Steps.size()) - 1;
    CallIfSet(OnComplete);
    if (!Steps.empty()) {
        CallIfSet(Steps.back()->OnEnd);
    }
}
