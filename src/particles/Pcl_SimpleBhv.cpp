#include "particles/Pcl_SimpleBhv.h"

#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/GameObject.h"
#include "graphics/Pos2dComponent.h"
#include "graphics/SpriteComponent.h"
#include "graphics/TintComponent.h"
#include "script/Easing.h"
#include "script/RandomManager.h"

#include <cstdint>

namespace {

// Uniform in [low, high), low itself when the range is empty or there is no random
// source (a particle built outside the game).
float Draw(float low, float high) {
    return Engine::RandomManager != nullptr ? Engine::RandomManager->RandomFloat(low, high) : low;
}

Vector2 Draw(Vector2 low, Vector2 high) {
    return Engine::RandomManager != nullptr ? Engine::RandomManager->RandomVector2(low, high) : low;
}

float Mix(float start, float end, float t) {
    return start * (1.0f - t) + end * t;
}

// How much of the alpha shows at life fraction a: a smooth step up over the fade-in
// and down over the fade-out, 1 between them.
float FadeFactor(float a, float fadeIn, float fadeOut) {
    const float b = 1.0f - a;
    if (fadeIn > 0.0f && a <= fadeIn) {
        return EaseProgress(EaseSmooth, a / fadeIn);
    }
    if (fadeOut > 0.0f && b <= fadeOut) {
        return EaseProgress(EaseSmooth, b / fadeOut);
    }
    return 1.0f;
}

}  // namespace

Pcl_SimpleBhv::Pcl_SimpleBhv() {
    AddProperty("VelocityMin", VelocityMin);
    AddProperty("VelocityMax", VelocityMax);
    AddProperty("RotationMin", RotationMin);
    AddProperty("RotationMax", RotationMax);
    AddProperty("AngularMin", AngularMin);
    AddProperty("AngularMax", AngularMax);
    AddProperty("LifespanMin", LifespanMin);
    AddProperty("LifespanMax", LifespanMax);
    AddProperty("FadeInAmount", FadeInAmount);
    AddProperty("FadeOutAmount", FadeOutAmount);
    AddProperty("TintStartMin", TintStartMin);
    AddProperty("TintStartMax", TintStartMax);
    AddProperty("TintEndMin", TintEndMin);
    AddProperty("TintEndMax", TintEndMax);
    AddProperty("SizeStartMin", SizeStartMin);
    AddProperty("SizeStartMax", SizeStartMax);
    AddProperty("SizeEndMin", SizeEndMin);
    AddProperty("SizeEndMax", SizeEndMax);
    AddProperty("Force", Force);
}

void Pcl_SimpleBhv::Start() {
    velocity_ = Draw(VelocityMin, VelocityMax);
    angularSpeed_ = Draw(AngularMin, AngularMax);
    const float c = Draw(0.0f, 1.0f);
    tintStart_ = Ease(EaseLinear, c, TintStartMin, TintStartMax);
    tintEnd_ = Ease(EaseLinear, c, TintEndMin, TintEndMax);
    const float d = Draw(0.0f, 1.0f);
    sizeStart_ = Mix(SizeStartMin, SizeStartMax, d);
    sizeEnd_ = Mix(SizeEndMin, SizeEndMax, d);
    lifespan_ = Draw(LifespanMin, LifespanMax);
    if (Pos2dComponent* pos = Pos2d()) {
        pos->Rotation = Draw(RotationMin, RotationMax);
    }
    if (const SpriteComponent* sprite = Sprite()) {
        baseSize_ = sprite->Size;
    }
    Apply();
}

void Pcl_SimpleBhv::Update() {
    const float dt = Engine::FrameTime->DeltaSeconds;
    age_ += dt;
    if (Pos2dComponent* pos = Pos2d()) {
        pos->Pos += velocity_ * dt;  // the velocity before this update's force
        velocity_ += Force * dt;
        pos->Rotation += angularSpeed_ * dt;
    }
    if (age_ >= lifespan_) {
        age_ = lifespan_;
        if (Owner() != nullptr) {
            Owner()->QueueForDeletion();
        }
    }
    Apply();
}

float Pcl_SimpleBhv::LifeFraction() const {
    return lifespan_ > 0.0f ? age_ / lifespan_ : 1.0f;
}

void Pcl_SimpleBhv::Apply() {
    const float a = LifeFraction();
    ApplyTint(a);
    if (SpriteComponent* sprite = Sprite()) {
        sprite->Size = baseSize_ * Mix(sizeStart_, sizeEnd_, a);
    }
}

void Pcl_SimpleBhv::ApplyTint(float a) {
    TintComponent* tint = Tint();
    if (tint == nullptr) {
        return;
    }
    tint->Tint = Ease(EaseLinear, a, tintStart_, tintEnd_);
    const float alpha = tint->Tint.a / 255.0f * FadeFactor(a, FadeInAmount, FadeOutAmount);
    tint->Tint.a = static_cast<std::uint8_t>(alpha * 255.0f);
}
