#include "physics/B2FixtureComponent.h"

#include "core/ContentLog.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "physics/B2BodyComponent.h"
#include "physics/PhysicsEditQueue.h"
#include "physics/ShapeText.h"

#include <box2d/box2d.h>

namespace {

// A fixture given a shape it cannot build from would lose its shape, so typed shape
// text must build one.
std::string ShapeRefusal(const std::string& text) {
    const ShapeText::Parsed shape = ShapeText::Parse(text);
    if (shape.Shape != nullptr) return "";
    return shape.Error.empty() ? "a fixture needs a shape" : shape.Error;
}

}  // namespace

B2FixtureComponent::B2FixtureComponent() {
    definition_.density = 1.0f;
    AddProperties();
}

B2FixtureComponent::~B2FixtureComponent() {
    SetPreSolveHandler(nullptr);
    if (rebuildPending_ && Engine::PhysicsEdits != nullptr) {
        Engine::PhysicsEdits->Forget(this);
    }
    if (fixture_ != nullptr) {
        DestroyFixture();
    }
}

void B2FixtureComponent::ForgetFixture() {
    fixture_->GetUserData().pointer = 0;
    fixture_ = nullptr;
}

// During the step the fixture stays on its body until the step ends, naming no
// component, so the rest of the step's contacts pass it over.
void B2FixtureComponent::DestroyFixture() {
    b2Fixture* fixture = fixture_;
    ForgetFixture();
    if (PhysicsWorldIsStepping()) {
        Engine::PhysicsEdits->Queue(nullptr, [fixture] { fixture->GetBody()->DestroyFixture(fixture); });
    } else {
        fixture->GetBody()->DestroyFixture(fixture);
    }
}

void B2FixtureComponent::AddProperties() {
    AddProxy<std::string>(
        "Shape", [this] { return GetShapeText(); }, [this](std::string text) { SetShapeText(text); })
        .SetTextCheck(ShapeRefusal);
    AddMaterialProperty("Friction", &b2FixtureDef::friction, &b2Fixture::GetFriction, &b2Fixture::SetFriction);
    AddMaterialProperty("Restitution", &b2FixtureDef::restitution, &b2Fixture::GetRestitution,
                        &b2Fixture::SetRestitution);
    // The body's mass follows a new density only when something recomputes it.
    AddMaterialProperty("Density", &b2FixtureDef::density, &b2Fixture::GetDensity, &b2Fixture::SetDensity);
    AddProxy<bool>(
        "IsSensor", [this] { return fixture_ != nullptr ? fixture_->IsSensor() : definition_.isSensor; },
        [this](bool sensor) {
            definition_.isSensor = sensor;
            if (fixture_ != nullptr) {
                fixture_->SetSensor(sensor);
            }
        });
}

// Read from the fixture once it exists; written to the definition and the fixture.
void B2FixtureComponent::AddMaterialProperty(const std::string& name, float b2FixtureDef::*field,
                                             float (b2Fixture::*get)() const, void (b2Fixture::*set)(float)) {
    AddProxy<float>(
        name, [this, field, get] { return fixture_ != nullptr ? (fixture_->*get)() : definition_.*field; },
        [this, field, set](float value) {
            definition_.*field = value;
            if (fixture_ != nullptr) {
                (fixture_->*set)(value);
            }
        });
}

void B2FixtureComponent::SetPreSolveHandler(ContactHandler handler) {
    preSolveHandlerCount_ += (handler ? 1 : 0) - (preSolveHandler_ ? 1 : 0);
    preSolveHandler_ = std::move(handler);
}

std::string B2FixtureComponent::GetShapeText() const {
    return ShapeText::Format(shape_.get(), IsBox, BoxHalfSize);
}

void B2FixtureComponent::SetShapeText(const std::string& text) {
    definition_.shape = nullptr;
    shape_.reset();
    ShapeText::Parsed parsed = ShapeText::Parse(text);
    if (parsed.Shape == nullptr) {
        if (!parsed.Error.empty()) {
            WarnRejected(text, parsed.Error);
        }
        return;
    }
    IsBox = parsed.IsBox;
    if (IsBox) {
        BoxHalfSize = parsed.BoxHalfSize;
    }
    shape_ = std::move(parsed.Shape);
    definition_.shape = shape_.get();
    RebuildFixture();
}

void B2FixtureComponent::RebuildFixture() {
    const B2BodyComponent* bodyComponent = Owner() != nullptr ? Owner()->B2Body() : nullptr;
    b2Body* body = bodyComponent != nullptr ? bodyComponent->ExistingBody() : nullptr;
    if (body == nullptr && (bodyComponent == nullptr || !bodyComponent->IsBodyPending())) {
        return;
    }
    if (body == nullptr || PhysicsWorldIsStepping()) {
        RebuildAfterStep();
        return;
    }
    // The shape may have been rejected after the rebuild was queued.
    if (definition_.shape == nullptr) {
        return;
    }
    if (fixture_ != nullptr) {
        DestroyFixture();
    }
    fixture_ = body->CreateFixture(&definition_);
    fixture_->GetUserData().pointer = reinterpret_cast<uintptr_t>(this);
}

// Queued after the body's own making when that is pending too, so the body exists
// by the time this runs. Several writes during one step rebuild once, from the last.
void B2FixtureComponent::RebuildAfterStep() {
    if (rebuildPending_) {
        return;
    }
    rebuildPending_ = true;
    Engine::PhysicsEdits->Queue(this, [this] {
        rebuildPending_ = false;
        RebuildFixture();
    });
}

void B2FixtureComponent::WarnRejected(const std::string& text, const std::string& why) const {
    const std::string name = Owner() != nullptr ? Owner()->Name : "";
    ContentLog::Warning("object \"" + name + "\": shape text \"" + text + "\" rejected: " + why);
}
