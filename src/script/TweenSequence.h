#pragma once

#include "script/TweenStep.h"

#include <functional>
#include <memory>
#include <vector>

// Steps played one after the other; owned by a TweensBhv.
class TweenSequence {
public:
    TweenSequence() = default;
    TweenSequence(const TweenSequence&) = delete;
    TweenSequence& operator=(const TweenSequence&) = delete;
    virtual ~TweenSequence() = default;

    // Moves the sequence on by deltaSeconds: calls the on-end of every step passed and,
    // when the total is reached, on-complete and then the last step's on-end; applies
    // the current step's Values. Returns true once the sequence has finished.
    bool Advance(float deltaSeconds);

    std::function<void()> OnComplete;
    std::vector<std::unique_ptr<TweenStep>> Steps;
    float TotalDuration = 0.0f;
    int CurrentStep = 0;
    float Elapsed = 0.0f;

private:
    // Progress through the current step, passing Steps whose window is over.
    // Returns a negative value when the total is reached meanwhile.
    float ProgressInCurrentStep();
    float StepEnd(std::size_t index) const;
    void Finish();
};
