#include "physics/B2MainContactListener.h"

#include "physics/B2FixtureComponent.h"

#include <box2d/b2_contact.h>

namespace {

B2FixtureComponent* ComponentOf(b2Fixture* fixture) {
    return reinterpret_cast<B2FixtureComponent*>(fixture->GetUserData().pointer);
}

template <class HandlerOf>
void Dispatch(b2Contact* contact, HandlerOf handlerOf) {
    b2Fixture* a = contact->GetFixtureA();
    b2Fixture* b = contact->GetFixtureB();
    if (B2FixtureComponent* componentA = ComponentOf(a); componentA != nullptr && handlerOf(*componentA)) {
        handlerOf(*componentA)(contact, b);
    }
    if (B2FixtureComponent* componentB = ComponentOf(b); componentB != nullptr && handlerOf(*componentB)) {
        handlerOf(*componentB)(contact, a);
    }
}

}  // namespace

void B2MainContactListener::BeginContact(b2Contact* contact) {
    Dispatch(contact, [](B2FixtureComponent& c) -> const auto& { return c.BeginContactHandler; });
}

void B2MainContactListener::PreSolve(b2Contact* contact, const b2Manifold*) {
    if (B2FixtureComponent::PreSolveHandlerCount() > 0) {
        Dispatch(contact, [](B2FixtureComponent& c) -> const auto& { return c.PreSolveHandler(); });
    }
}
