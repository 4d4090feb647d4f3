#pragma once

#include <box2d/b2_world_callbacks.h>

// Hands begin-contact and pre-solve to the fixture components of both fixtures: A's
// handler with fixture B, then B's with fixture A. Fixtures without a component and
// components without a handler are passed over; end-contact and post-solve reach
// nobody.
class B2MainContactListener : public b2ContactListener {
public:
    void BeginContact(b2Contact* contact) override;
    void EndContact(b2Contact*) override {}
    void PreSolve(b2Contact* contact, const b2Manifold* oldManifold) override;
    void PostSolve(b2Contact*, const b2ContactImpulse*) override {}
};
