#pragma once

#include "core/Component.h"
#include "core/IEditable.h"
#include "core/Vector2.h"

#include <box2d/b2_fixture.h>

#include <functional>
#include <memory>
#include <string>

class b2Contact;
class b2Shape;

// One collision shape with its material on the body of its object. The shape is
// written as shape text (see ShapeText); each successful "Shape" write rebuilds the
// fixture when the object's body exists (or is pending), and nothing makes the
// fixture later; shape text typed into the editor must build a shape. The fixture's
// user data points back here, so contacts reach the two handlers. During the world
// step the rebuild, and the destruction of the fixture with the component, wait on
// Engine::PhysicsEdits until right after the step.
class B2FixtureComponent : public Component, public IEditable {
public:
    // Called with the contact and the other fixture.
    using ContactHandler = std::function<void(b2Contact*, b2Fixture*)>;

    B2FixtureComponent();
    // Takes the fixture off the body (right after the step when deleted during one)
    // and clears its user data at once, so no contact reaches a deleted component.
    ~B2FixtureComponent() override;

    ContactHandler BeginContactHandler;
    const ContactHandler& PreSolveHandler() const { return preSolveHandler_; }
    // Pre-solve runs for every touching contact in every step, so the contact listener
    // skips it unless some component has a handler (none in the game so far).
    void SetPreSolveHandler(ContactHandler handler);
    static int PreSolveHandlerCount() { return preSolveHandlerCount_; }

    // Set while the shape came from a Box text, which then reads back as Box.
    bool IsBox = false;
    Vector2 BoxHalfSize;

    b2Fixture* Fixture() const { return fixture_; }
    const b2FixtureDef& Definition() const { return definition_; }

    std::string GetShapeText() const;
    // Rejected text (a warning names the object and the text) leaves no shape in the
    // definition; a fixture made earlier stays on the body.
    void SetShapeText(const std::string& text);

    // The body is being destroyed with its fixtures: the fixture stops naming this
    // component, which forgets it.
    void ForgetFixture();

private:
    void AddProperties();
    void AddMaterialProperty(const std::string& name, float b2FixtureDef::*field, float (b2Fixture::*get)() const,
                             void (b2Fixture::*set)(float));
    void RebuildFixture();
    void RebuildAfterStep();
    void DestroyFixture();
    void WarnRejected(const std::string& text, const std::string& why) const;

    b2FixtureDef definition_;
    std::unique_ptr<b2Shape> shape_;
    b2Fixture* fixture_ = nullptr;
    bool rebuildPending_ = false;
    ContactHandler preSolveHandler_;
    static inline int preSolveHandlerCount_ = 0;
};
