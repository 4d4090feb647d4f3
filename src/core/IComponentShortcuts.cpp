#include "core/IComponentShortcuts.h"

#include "animation/AnimationBhv.h"
#include "game/ThingComponent.h"
#include "graphics/Pos2dComponent.h"
#include "graphics/SpriteComponent.h"
#include "graphics/TextComponent.h"
#include "graphics/TintComponent.h"
#include "physics/B2BodyComponent.h"
#include "script/TweensBhv.h"

namespace {

template <class T>
void FillIfEmpty(T*& slot, Component* c) {
    if (slot == nullptr) {
        slot = dynamic_cast<T*>(c);
    }
}

template <class T>
void ClearIfNames(T*& slot, const Component* c) {
    if (slot != nullptr && static_cast<const Component*>(slot) == c) {
        slot = nullptr;
    }
}

}  // namespace

void IComponentShortcuts::OfferShortcut(Component* c) {
    FillIfEmpty(animation_, c);
    FillIfEmpty(b2Body_, c);
    FillIfEmpty(pos2d_, c);
    FillIfEmpty(sprite_, c);
    FillIfEmpty(text_, c);
    FillIfEmpty(tint_, c);
    FillIfEmpty(thing_, c);
    FillIfEmpty(tweens_, c);
}

void IComponentShortcuts::ForgetShortcut(const Component* c) {
    ClearIfNames(animation_, c);
    ClearIfNames(b2Body_, c);
    ClearIfNames(pos2d_, c);
    ClearIfNames(sprite_, c);
    ClearIfNames(text_, c);
    ClearIfNames(tint_, c);
    ClearIfNames(thing_, c);
    ClearIfNames(tweens_, c);
}

void IComponentShortcuts::CopyShortcutsFrom(const IComponentShortcuts& other) {
    animation_ = other.animation_;
    b2Body_ = other.b2Body_;
    pos2d_ = other.pos2d_;
    sprite_ = other.sprite_;
    text_ = other.text_;
    tint_ = other.tint_;
    thing_ = other.thing_;
    tweens_ = other.tweens_;
}
