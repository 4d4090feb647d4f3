#pragma once

#include "core/Behavior.h"
#include "core/Vector2.h"
#include "script/TweenSequence.h"

#include <functional>
#include <memory>
#include <vector>

// Animates values of its object over time. Every update advances each sequence,
// newest first, and deletes the ones that have finished, right after their final
// application. Deleting the behaviour deletes its sequences without calling back.
class TweensBhv : public Behavior {
public:
    void Update() override;

    TweenSequence* AddSequence(std::function<void()> onComplete);
    // The step starts where the previous last step ends.
    TweenStep* AddStep(TweenSequence* sequence, std::function<void()> onEnd, float duration);
    // Eases *target (smoothly) from its current value to `end` during the step.
    void AddVector2Tween(TweenStep* step, Vector2* target, Vector2 end);
    // One sequence of one step with one smoothly eased Vector2.
    TweenSequence* TweenVector2(Vector2* target, Vector2 end, float duration, std::function<void()> onComplete);

    const std::vector<std::unique_ptr<TweenSequence>>& Sequences() const { return sequences_; }

private:
    std::vector<std::unique_ptr<TweenSequence>> sequences_;
};
