#include "animation/AnimationBhv.h"

#include "animation/AnimationData.h"
#include "animation/AnimationManager.h"
#include "core/Engine.h"
#include "core/FrameTime.h"
#include "graphics/SpriteComponent.h"
#include "graphics/Texture.h"

#include <cmath>

namespace {

// Not 0, so that a frame starting at 0 is already under way when the first delta lands.
constexpr float kStartTime = 0.0001f;

}  // namespace

AnimationBhv::AnimationBhv() : time_(kStartTime) {
    AddProperty("AutoPlay", AutoPlay);
}

void AnimationBhv::Start() {
    if (!AutoPlay.empty()) {
        PlayAnimation(AutoPlay);
    }
}

void AnimationBhv::PlayAnimation(const std::string& name) {
    name_ = name;
    frame_ = 0;
    time_ = kStartTime;
    playing_ = true;
}

void AnimationBhv::Update() {
    if (!playing_ || Engine::Animations == nullptr) {
        return;
    }
    const AnimationData* animation = Engine::Animations->GetAnimation(name_);
    if (animation == nullptr || !SelectFrame(*animation)) {
        return;
    }
    Show(animation->Frames[std::size_t(frame_)]);
    if (Engine::FrameTime != nullptr) {
        time_ += Engine::FrameTime->DeltaSeconds;
    }
}

bool AnimationBhv::SelectFrame(const AnimationData& animation) {
    const int count = int(animation.Frames.size());
    for (;;) {
        if (time_ > animation.Duration || frame_ >= count) {
            // The reader rejects loops that last no time; one made in code ends like a
            // non-looping animation rather than searching for ever.
            if (!animation.Loop || !(animation.Duration > 0.0f)) {
                Stop();
                return false;
            }
            WrapTime(animation.Duration);
            frame_ = 0;
        }
        const AnimationFrame& frame = animation.Frames[std::size_t(frame_)];
        if (frame.StartTime <= time_ && time_ < animation.FrameEnd(std::size_t(frame_))) {
            return true;
        }
        ++frame_;
    }
}

void AnimationBhv::WrapTime(float duration) {
    float wrapped = time_ - duration;
    // A time so large that subtracting changes nothing (or not a number) would never
    // come back inside the loop one duration at a time.
    if (!(wrapped < time_)) {
        wrapped = std::fmod(time_, duration);
    }
    time_ = wrapped >= 0.0f ? wrapped : kStartTime;
}

void AnimationBhv::Stop() {
    time_ = kStartTime;
    frame_ = 0;
    playing_ = false;
}

void AnimationBhv::Show(const AnimationFrame& frame) const {
    SpriteComponent* sprite = Sprite();
    if (sprite == nullptr) {
        return;
    }
    if (frame.Tex == nullptr) {
        sprite->SetTex(nullptr);
        return;
    }
    // An image the atlas lacks was reported at load; the sprite keeps what it shows.
    if (!frame.Tex->HasImage(frame.ImageIndex)) {
        return;
    }
    if (sprite->GetTex() != frame.Tex) {
        sprite->SetTex(frame.Tex);
    }
    sprite->SelectImage(frame.ImageIndex);
}
