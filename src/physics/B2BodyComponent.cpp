#include "physics/B2BodyComponent.h"

#include "core/Engine.h"
#include "physics/B2FixtureComponent.h"

#include <box2d/box2d.h>

#include <stdexcept>

B2BodyComponent::B2BodyComponent() {
    AddProperties();
}

void B2BodyComponent::AddProperties() {
    AddProxy<Vector2>("Pos", [this] { return GetPosition(); }, [this](Vector2 p) { SetPosition(p); });
    AddProxy<float>("Angle", [this] { return GetAngle(); }, [this](float a) { SetAngle(a); });
    AddProxy<int>(
        "Type", [this] { return static_cast<int>(GetBody()->GetType()); },
        [this](int type) {
            // Box2D knows three types; any other number would corrupt the body.
            if (type >= b2_staticBody && type <= b2_dynamicBody) {
                GetBody()->SetType(static_cast<b2BodyType>(type));
            }
        });
    AddProxy<bool>(
        "IsAwake", [this] { return GetBody()->IsAwake(); }, [this](bool awake) { GetBody()->SetAwake(awake); });
    AddProxy<float>(
        "LinearDamping", [this] { return GetBody()->GetLinearDamping(); },
        [this](float damping) { GetBody()->SetLinearDamping(damping); });
    AddProxy<float>(
        "AngularDamping", [this] { return GetBody()->GetAngularDamping(); },
        [this](float damping) { GetBody()->SetAngularDamping(damping); });
    // Box2D's setter recomputes the mass data at once.
    AddProxy<bool>(
        "IsFixedRotation", [this] { return GetBody()->IsFixedRotation(); },
        [this](bool fixed) { GetBody()->SetFixedRotation(fixed); });
    AddProxy<bool>(
        "IsBullet", [this] { return GetBody()->IsBullet(); }, [this](bool bullet) { GetBody()->SetBullet(bullet); });
    AddProxy<float>(
        "GravityScale", [this] { return GetBody()->GetGravityScale(); },
        [this](float scale) { GetBody()->SetGravityScale(scale); });
}

B2BodyComponent::~B2BodyComponent() {
    if (body_ == nullptr || Engine::World == nullptr) {
        return;
    }
    // The world destroys the body's fixtures with it: their components must not keep
    // pointing at them.
    for (b2Fixture* f = body_->GetFixtureList(); f != nullptr; f = f->GetNext()) {
        if (auto* component = reinterpret_cast<B2FixtureComponent*>(f->GetUserData().pointer)) {
            component->ForgetFixture();
        }
    }
    Engine::World->DestroyBody(body_);
}

b2Body* B2BodyComponent::GetBody() {
    if (body_ != nullptr) {
        return body_;
    }
    if (Engine::World == nullptr) {
        throw std::logic_error("B2BodyComponent: there is no physics world to make a body in");
    }
    if (Engine::World->IsLocked()) {
        throw std::logic_error("B2BodyComponent: a body cannot be made during the physics step");
    }
    b2BodyDef definition;
    body_ = Engine::World->CreateBody(&definition);
    body_->GetUserData().pointer = reinterpret_cast<uintptr_t>(this);
    return body_;
}

Vector2 B2BodyComponent::GetPosition() {
    const b2Vec2& p = GetBody()->GetPosition();
    return {p.x, p.y};
}

void B2BodyComponent::SetPosition(Vector2 position) {
    b2Body* body = GetBody();
    body->SetTransform(b2Vec2(position.x, position.y), body->GetAngle());
}

float B2BodyComponent::GetAngle() {
    return GetBody()->GetAngle();
}

void B2BodyComponent::SetAngle(float radians) {
    b2Body* body = GetBody();
    body->SetTransform(body->GetPosition(), radians);
}
