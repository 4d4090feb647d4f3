#include "physics/B2MainContactListener.h"

#include "physics/B2FixtureComponent.h"

#include <box2d/b2_contact.h>

namespace {

B2FixtureComponent* ComponentOf(b2Fixture* fixture) {
    return reinterpret_cast<B2FixtureComponent*>(fixture->GetUserData().pointer);
}

void Dispatch(b2Contact* contact, B2FixtureComponent::ContactHandler B2FixtureComponent::*handler) {
    b2Fixture* a = contact->GetFixtureA();
    b2Fixture* b = contact->GetFixtureB();
    if (B2FixtureComponent* componentA = ComponentOf(a); componentA != nullptr && componentA->*handler) {
        (componentA->*handler)(contact, b);
    }
    if (B2FixtureComponent* componentB = ComponentOf(b); componentB != nullptr && componentB->*handler) {
        (componentB->*handler)(contact, a);
    }
}

}  // namespace

void B2MainContactListener::BeginContact(b2Contact* contact) {
    Dispatch(contact, &B2FixtureComponent::BeginContactHandler);
}

void B2MainContactListener::PreSolve(b2Contact* contact, const b2Manifold*) {
    Dispatch(contact, &B2FixtureComponent::PreSolveHandler);
}
