#pragma once

#include "core/Component.h"
#include "core/IEditable.h"
#include "core/Vector2.h"

class b2Body;

// Puts its object into the physics world: one Box2D body, made on first need with
// the body-definition defaults (static, at the origin, awake, gravity scale 1) and
// destroyed with the component. The body's user data points back here.
class B2BodyComponent : public Component, public IEditable {
public:
    B2BodyComponent();
    ~B2BodyComponent() override;

    // The body, created now if it does not exist yet. Throws std::logic_error without
    // a world, or while the world is stepping (Box2D cannot add a body then).
    b2Body* GetBody();
    // The body if it exists; never creates one.
    b2Body* ExistingBody() const { return body_; }

    Vector2 GetPosition();
    // Moves the body, keeping its angle.
    void SetPosition(Vector2 position);
    float GetAngle();
    // Turns the body, keeping its position.
    void SetAngle(float radians);

private:
    void AddProperties();

    b2Body* body_ = nullptr;
};
