#pragma once

#include "core/Behavior.h"

#include <string>

class AnimationData;
struct AnimationFrame;

// Plays one animation of the AnimationManager on its object: every update shows the
// current frame's texture and image on the object's sprite, then moves the time on
// by the frame's delta, so the first update after PlayAnimation shows frame 0.
class AnimationBhv : public Behavior {
public:
    AnimationBhv();

    // Plays AutoPlay when it names one.
    void Start() override;
    void Update() override;

    // The animation Start plays; empty plays none.
    std::string AutoPlay;

    // Starts `name` from its beginning, whether or not it exists yet: an animation the
    // manager does not have simply does not advance.
    void PlayAnimation(const std::string& name);
    // False once a non-looping animation has run past its end (its last image stays).
    bool IsPlaying() const { return playing_; }
    const std::string& AnimationName() const { return name_; }
    int FrameIndex() const { return frame_; }
    // Seconds into the animation.
    float Time() const { return time_; }

private:
    // Moves the frame index to the frame shown at the current time, wrapping a loop as
    // often as needed; false when a non-looping animation has ended.
    bool SelectFrame(const AnimationData& animation);
    void WrapTime(float duration);
    void Stop();
    void Show(const AnimationFrame& frame) const;

    float time_;
    int frame_ = 0;
    std::string name_;
    bool playing_ = false;
};
