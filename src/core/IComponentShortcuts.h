#pragma once

class AnimationBhv;
class B2BodyComponent;
class Component;
class Pos2dComponent;
class SpriteComponent;
class TextComponent;
class TintComponent;
class ThingComponent;
class TweensBhv;

// Cached pointers to the first attached component of each hot type, so that the
// per-frame paths (position, tint, ...) never search a component list. Both
// GameObject and Behavior carry a block; GameObject keeps every block of its
// behaviours in step with its own on attach and detach.
//
// Slot order: AnimationBhv, B2BodyComponent, Pos2dComponent, SpriteComponent,
// TextComponent, TintComponent, ThingComponent, TweensBhv. A slot joins the block
// when its component type exists.
class IComponentShortcuts {
public:
    virtual ~IComponentShortcuts() = default;

    AnimationBhv* Animation() const { return animation_; }
    B2BodyComponent* B2Body() const { return b2Body_; }
    Pos2dComponent* Pos2d() const { return pos2d_; }
    SpriteComponent* Sprite() const { return sprite_; }
    TextComponent* Text() const { return text_; }
    TintComponent* Tint() const { return tint_; }
    ThingComponent* Thing() const { return thing_; }
    TweensBhv* Tweens() const { return tweens_; }

protected:
    IComponentShortcuts() = default;
    IComponentShortcuts(const IComponentShortcuts&) = delete;
    IComponentShortcuts& operator=(const IComponentShortcuts&) = delete;

    // Stores c in every empty slot whose type it is (subclasses included).
    void OfferShortcut(Component* c);
    // Empties every slot that names c; a later component of that type is not promoted.
    void ForgetShortcut(const Component* c);
    void CopyShortcutsFrom(const IComponentShortcuts& other);

private:
    friend class GameObject;

    AnimationBhv* animation_ = nullptr;
    B2BodyComponent* b2Body_ = nullptr;
    Pos2dComponent* pos2d_ = nullptr;
    SpriteComponent* sprite_ = nullptr;
    TextComponent* text_ = nullptr;
    TintComponent* tint_ = nullptr;
    ThingComponent* thing_ = nullptr;
    TweensBhv* tweens_ = nullptr;
};
