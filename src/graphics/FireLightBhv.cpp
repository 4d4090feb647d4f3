#include "graphics/FireLightBhv.h"

#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/GameObject.h"
#include "graphics/SpriteComponent.h"
#include "graphics/TintComponent.h"
#include "script/Easing.h"
#include "script/RandomManager.h"

#include <algorithm>

FireLightBhv::FireLightBhv() {
    AddProperty("ColorMin", ColorMin);
    AddProperty("ColorMax", ColorMax);
    AddProperty("IntervalMin", IntervalMin);
    AddProperty("IntervalMax", IntervalMax);
    AddProperty("SizeMin", SizeMin);
    AddProperty("SizeMax", SizeMax);
}

void FireLightBhv::Update() {
    FollowParent();
    elapsed_ += Engine::FrameTime->DeltaSeconds;
    if (elapsed_ >= interval_) {
        PickNewTarget();
    }
    const float t = Progress();
    if (SpriteComponent* sprite = Sprite()) {
        const float size = (1.0f - t) * sizeFrom_ + t * sizeTo_;
        sprite->Size = Vector2(size, size);
    }
    if (TintComponent* tint = Tint()) {
        tint->Tint = Ease(EaseLinear, t, colorFrom_, colorTo_);
    }
}

void FireLightBhv::PickNewTarget() {
    RandomManager& random = *Engine::RandomManager;
    interval_ = random.RandomFloat(IntervalMin, IntervalMax);
    elapsed_ = 0.0f;
    colorFrom_ = colorTo_;
    colorTo_ = random.RandomColor(ColorMin, ColorMax);
    sizeFrom_ = sizeTo_;
    sizeTo_ = random.RandomFloat(SizeMin, SizeMax);
}

float FireLightBhv::Progress() const {
    // A zero (or negative) interval re-targets every frame; such a light simply shows
    // its target rather than dividing by zero.
    if (!(interval_ > 0.0f)) {
        return 1.0f;
    }
    return std::clamp(elapsed_ / interval_, 0.0f, 1.0f);
}

void FireLightBhv::FollowParent() {
    GameObject* owner = Owner();
    if (owner != nullptr && owner->Parent() != nullptr) {
        owner->SetPosition(owner->Parent()->GetPosition());
    }
}
