#include "physics/B2FixtureComponent.h"

#include "core/ContentLog.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "physics/B2BodyComponent.h"
#include "physics/ShapeText.h"

#include <box2d/box2d.h>

#include <stdexcept>

B2FixtureComponent::B2FixtureComponent() {
    definition_.density = 1.0f;
    AddProperties();
}

B2FixtureComponent::~B2FixtureComponent() {
    SetPreSolveHandler(nullptr);
    if (fixture_ != nullptr) {
        fixture_->GetBody()->DestroyFixture(fixture_);
    }
}

void B2FixtureComponent::AddProperties() {
    AddProxy<std::string>(
        "Shape", [this] { return GetShapeText(); }, [this](std::string text) { SetShapeText(text); });
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
    B2BodyComponent* bodyComponent = Owner() != nullptr ? Owner()->B2Body() : nullptr;
    b2Body* body = bodyComponent != nullptr ? bodyComponent->ExistingBody() : nullptr;
    if (body == nullptr) {
        return;
    }
    if (Engine::World != nullptr && Engine::World->IsLocked()) {
        throw std::logic_error("B2FixtureComponent: a fixture cannot be made during the physics step");
    }
    if (fixture_ != nullptr) {
        fixture_->GetBody()->DestroyFixture(fixture_);
        fixture_ = nullptr;
    }
    fixture_ = body->CreateFixture(&definition_);
    fixture_->GetUserData().pointer = reinterpret_cast<uintptr_t>(this);
}

void B2FixtureComponent::WarnRejected(const std::string& text, const std::string& why) const {
    const std::string name = Owner() != nullptr ? Owner()->Name : "";
    ContentLog::Warning("object \"" + name + "\": shape text \"" + text + "\" rejected: " + why);
}
