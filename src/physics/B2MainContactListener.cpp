#include "physics/B2MainContactListener.h"

#include "physics/B2FixtureComponent.h"

#include <box2d/b2_contact.h>

namespace {

B2FixtureComponent* ComponentOf(b2Fixture* fixture) {
    return reinterpret_cast<B2FixtureComponent*>(fixture->GetUserData().pointer);
}

// A handler may delete either component (its fixture then names none), its own
// included: it runs from a copy, and B's component is looked up only after A's
// handler has returned.
template <class HandlerOf>
void CallHandler(b2Contact* contact, b2Fixture* own, b2Fixture* other, HandlerOf handlerOf) {
    if (B2FixtureComponent* component = ComponentOf(own); component != nullptr && handlerOf(*component)) {
        const B2FixtureComponent::ContactHandler handler = handlerOf(*component);
        handler(contact, other);
    }
}

template <class HandlerOf>
void Dispatch(b2Contact* contact, HandlerOf handlerOf) {
    b2Fixture* a = contact->GetFixtureA();
    b2Fixture* b = contact->GetFixtureB();
    CallHandler(contact, a, b, handlerOf);
    CallHandler(contact, b, a, handlerOf);
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
