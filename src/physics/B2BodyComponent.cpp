#include "physics/B2BodyComponent.h"

#include "core/Engine.h"
#include "physics/B2FixtureComponent.h"
#include "physics/PhysicsEditQueue.h"

#include <box2d/box2d.h>

#include <stdexcept>

B2BodyComponent::B2BodyComponent() {
    AddProperties();
}

void B2BodyComponent::AddProperties() {
    AddProxy<Vector2>("Pos", [this] { return GetPosition(); }, [this](Vector2 p) { SetPosition(p); });
    AddProxy<float>("Angle", [this] { return GetAngle(); }, [this](float a) { SetAngle(a); });
    AddProxy<int>(
        "Type",
        [this] {
            b2Body* body = GetBody();
            return static_cast<int>(body != nullptr ? body->GetType() : definition_.type);
        },
        [this](int type) {
            // Box2D knows three types; any other number would corrupt the body.
            if (type < b2_staticBody || type > b2_dynamicBody) {
                return;
            }
            if (b2Body* body = GetBody()) {
                body->SetType(static_cast<b2BodyType>(type));
            } else {
                definition_.type = static_cast<b2BodyType>(type);
            }
        });
    AddBodyProperty("IsAwake", &b2BodyDef::awake, &b2Body::IsAwake, &b2Body::SetAwake);
    AddBodyProperty("LinearDamping", &b2BodyDef::linearDamping, &b2Body::GetLinearDamping,
                    &b2Body::SetLinearDamping);
    AddBodyProperty("AngularDamping", &b2BodyDef::angularDamping, &b2Body::GetAngularDamping,
                    &b2Body::SetAngularDamping);
    // Box2D's setter recomputes the mass data at once.
    AddBodyProperty("IsFixedRotation", &b2BodyDef::fixedRotation, &b2Body::IsFixedRotation,
                    &b2Body::SetFixedRotation);
    AddBodyProperty("IsBullet", &b2BodyDef::bullet, &b2Body::IsBullet, &b2Body::SetBullet);
    AddBodyProperty("GravityScale", &b2BodyDef::gravityScale, &b2Body::GetGravityScale, &b2Body::SetGravityScale);
}

// Read from and written to the body, or to the definition while there is none.
template <class T>
void B2BodyComponent::AddBodyProperty(const std::string& name, T b2BodyDef::*field, T (b2Body::*get)() const,
                                      void (b2Body::*set)(T)) {
    AddProxy<T>(
        name,
        [this, field, get] {
            b2Body* body = GetBody();
            return body != nullptr ? (body->*get)() : definition_.*field;
        },
        [this, field, set](T value) {
            if (b2Body* body = GetBody()) {
                (body->*set)(value);
            } else {
                definition_.*field = value;
            }
        });
}

B2BodyComponent::~B2BodyComponent() {
    if (pending_ && Engine::PhysicsEdits != nullptr) {
        Engine::PhysicsEdits->Forget(this);
    }
    if (body_ != nullptr && Engine::World != nullptr) {
        DestroyBody();
    }
}

// The world destroys the body's fixtures with it: their components must not keep
// pointing at them, nor the fixtures at their components.
void B2BodyComponent::ForgetFixtures() {
    for (b2Fixture* f = body_->GetFixtureList(); f != nullptr; f = f->GetNext()) {
        if (auto* component = reinterpret_cast<B2FixtureComponent*>(f->GetUserData().pointer)) {
            component->ForgetFixture();
        }
    }
}

void B2BodyComponent::DestroyBody() {
    ForgetFixtures();
    if (!PhysicsWorldIsStepping()) {
        Engine::World->DestroyBody(body_);
        return;
    }
    // The body stays in the world for the rest of the step; with its user data cleared
    // (and its fixtures', above) no contact reaches this component any more.
    body_->GetUserData().pointer = 0;
    Engine::PhysicsEdits->Queue(nullptr, [body = body_] { body->GetWorld()->DestroyBody(body); });
}

b2Body* B2BodyComponent::GetBody() {
    if (body_ != nullptr) {
        return body_;
    }
    if (Engine::World == nullptr) {
        throw std::logic_error("B2BodyComponent: there is no physics world to make a body in");
    }
    if (!PhysicsWorldIsStepping()) {
        MakeBody();
    } else if (!pending_) {
        pending_ = true;
        Engine::PhysicsEdits->Queue(this, [this] {
            pending_ = false;
            MakeBody();
        });
    }
    return body_;
}

void B2BodyComponent::MakeBody() {
    body_ = Engine::World->CreateBody(&definition_);
    body_->GetUserData().pointer = reinterpret_cast<uintptr_t>(this);
}

Vector2 B2BodyComponent::GetPosition() {
    const b2Body* body = GetBody();
    const b2Vec2& p = body != nullptr ? body->GetPosition() : definition_.position;
    return {p.x, p.y};
}

void B2BodyComponent::SetPosition(Vector2 position) {
    if (b2Body* body = GetBody()) {
        body->SetTransform(b2Vec2(position.x, position.y), body->GetAngle());
    } else {
        definition_.position.Set(position.x, position.y);
    }
}

float B2BodyComponent::GetAngle() {
    const b2Body* body = GetBody();
    return body != nullptr ? body->GetAngle() : definition_.angle;
}

void B2BodyComponent::SetAngle(float radians) {
    if (b2Body* body = GetBody()) {
        body->SetTransform(body->GetPosition(), radians);
    } else {
        definition_.angle = radians;
    }
}
