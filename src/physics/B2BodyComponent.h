#pragma once

#include "core/Component.h"
#include "core/IEditable.h"
#include "core/Vector2.h"

#include <box2d/b2_body.h>

#include <string>

// Puts its object into the physics world: one Box2D body, made on first need from
// its definition (Box2D's defaults: static, at the origin, awake, gravity scale 1)
// and destroyed with the component. The body's user data points back here.
// During the world step (contact handlers) Box2D cannot make or destroy a body: both
// wait on Engine::PhysicsEdits until right after the step, and meanwhile the
// component answers from, and writes to, its definition.
class B2BodyComponent : public Component, public IEditable {
public:
    B2BodyComponent();
    ~B2BodyComponent() override;

    // The body, made now if it does not exist yet. During the step its making is
    // queued instead and this returns null. Throws std::logic_error without a world.
    b2Body* GetBody();
    // The body if it exists; never creates one.
    b2Body* ExistingBody() const { return body_; }
    // The body was asked for during the step and is made right after it.
    bool IsBodyPending() const { return pending_; }
    // What the body is made from. Writes made before it exists land here.
    const b2BodyDef& Definition() const { return definition_; }

    Vector2 GetPosition();
    // Moves the body, keeping its angle.
    void SetPosition(Vector2 position);
    float GetAngle();
    // Turns the body, keeping its position.
    void SetAngle(float radians);

private:
    void AddProperties();
    template <class T>
    void AddBodyProperty(const std::string& name, T b2BodyDef::*field, T (b2Body::*get)() const,
                         void (b2Body::*set)(T));
    void MakeBody();
    void ForgetFixtures();
    void DestroyBody();

    b2BodyDef definition_;
    b2Body* body_ = nullptr;
    bool pending_ = false;
};
