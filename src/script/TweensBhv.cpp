#include "script/TweensBhv.h"

#include "core/Engine.h"
#include "core/FrameTime.h"

void TweensBhv::Update() {
    const float delta = Engine::FrameTime->DeltaSeconds;
    // By index: callbacks may append sequences, which leaves the lower indices valid.
    for (std::size_t i = sequences_.size(); i-- > 0;) {
        if (sequences_[i]->Advance(delta)) {
            sequences_.erase(sequences_.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
}

TweenSequence* TweensBhv::AddSequence(std::function<void()> onComplete) {
    auto sequence = std::make_unique<TweenSequence>();
    sequence->OnComplete = std::move(onComplete);
    sequences_.push_back(std::move(sequence));
    return sequences_.back().get();
}

TweenStep* TweensBhv::AddStep(TweenSequence* sequence, std::function<void()> onEnd, float duration) {
    auto step = std::make_unique<TweenStep>();
    if (!sequence->Steps.empty()) {
        const TweenStep& last = *sequence->Steps.back();
        step->StartTime = last.StartTime + last.Duration;
    }
    step->Duration = duration;
    step->OnEnd = std::move(onEnd);
    sequence->TotalDuration += duration;
    sequence->Steps.push_back(std::move(step));
    return sequence->Steps.back().get();
}

void TweensBhv::AddVector2Tween(TweenStep* step, Vector2* target, Vector2 end) {
    step->Values.push_back(std::make_unique<TweenPropertyImpl<Vector2>>(EaseSmooth, target, end));
}

TweenSequence* TweensBhv::TweenVector2(Vector2* target, Vector2 end, float duration,
                                       std::function<void()> onComplete) {
    TweenSequence* sequence = AddSequence(std::move(onComplete));
    AddVector2Tween(AddStep(sequence, nullptr, duration), target, end);
    return sequence;
}
