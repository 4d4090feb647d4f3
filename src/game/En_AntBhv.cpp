#include "game/En_AntBhv.h"

#include "animation/AnimationBhv.h"
#include "audio/CueManagerBhv.h"
#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/GameObject.h"
#include "game/GameplayScreenBhv.h"
#include "game/SeedBhv.h"
#include "graphics/SpriteComponent.h"
#include "input/InputManager.h"
#include "particles/ParticleManagerBhv.h"
#include "physics/B2BodyComponent.h"
#include "physics/B2FixtureComponent.h"
#include "script/Easing.h"
#include "script/RandomManager.h"

#include <box2d/b2_distance.h>
#include <box2d/box2d.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

// Uniform in [low, high); low without a random manager or when the range is empty.
float Draw(float low, float high) {
    return Engine::RandomManager != nullptr ? Engine::RandomManager->RandomFloat(low, high) : low;
}

// Uniform in [low, high], both included; low when low is not below high.
int DrawCount(int low, int high) {
    if (low >= high || low < 0 || Engine::RandomManager == nullptr) {
        return low;
    }
    return static_cast<int>(Engine::RandomManager->RandomInt(static_cast<unsigned>(low), static_cast<unsigned>(high)));
}

B2FixtureComponent* FixtureComponentOf(b2Fixture* fixture) {
    return reinterpret_cast<B2FixtureComponent*>(fixture->GetUserData().pointer);
}

// The n-th fixture component of the object, in attachment order, or null.
B2FixtureComponent* NthFixture(const GameObject& object, int n) {
    for (Component* c : object.Components()) {
        if (auto* fixture = dynamic_cast<B2FixtureComponent*>(c); fixture != nullptr && n-- == 0) {
            return fixture;
        }
    }
    return nullptr;
}

// The point of the fixture's child shape nearest to `from`, in world coordinates.
b2Vec2 NearestPoint(const b2Fixture& fixture, int child, b2Vec2 from) {
    b2DistanceInput input;
    input.proxyA.m_vertices = &from;
    input.proxyA.m_count = 1;
    input.proxyA.m_radius = 0.0f;
    input.proxyB.Set(fixture.GetShape(), child);
    input.transformA.SetIdentity();
    input.transformB = fixture.GetBody()->GetTransform();
    input.useRadii = true;
    b2SimplexCache cache;
    cache.count = 0;
    b2DistanceOutput output;
    b2Distance(&output, &cache, &input);
    return output.pointB;
}

// Where the contact touches, in world coordinates: the first manifold point, or, for a
// sensor (whose manifold has no points), the other fixture's point nearest to the ant.
// Not the centre of that fixture's box: a long wall's centre may lie on the other side
// of the ant's heading from where the feeler met it, and the ant would turn into it.
b2Vec2 TouchPoint(b2Contact* contact, const b2Fixture& other, const b2Body& ant) {
    if (contact != nullptr && contact->GetManifold()->pointCount > 0) {
        b2WorldManifold manifold;
        contact->GetWorldManifold(&manifold);
        return manifold.points[0];
    }
    int child = 0;
    if (contact != nullptr) {
        child = contact->GetFixtureA() == &other ? contact->GetChildIndexA() : contact->GetChildIndexB();
    }
    return NearestPoint(other, child, ant.GetPosition());
}

// The ant's forward direction: local +y.
Vector2 Forward(float angle) {
    return {-std::sin(angle), std::cos(angle)};
}

Vector2 Rotated(Vector2 v, float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    return {c * v.x - s * v.y, s * v.x + c * v.y};
}

// The signed angle from the direction `fromAngle` to `to`, wrapped into [-pi, pi].
float AngleTowards(float fromAngle, Vector2 to) {
    return std::remainder(std::atan2(to.y, to.x) - fromAngle, 2.0f * kPi);
}

bool LightToolInUse() {
    return Engine::GameplayScreen != nullptr && Engine::GameplayScreen->Tool == ToolLight &&
           Engine::InputManager != nullptr;
}

}  // namespace

En_AntBhv::En_AntBhv() {
    AddProperties();
}

void En_AntBhv::AddProperties() {
    AddProperty("IdleTimeMin", IdleTimeMin);
    AddProperty("IdleTimeMax", IdleTimeMax);
    AddProperty("MoveTimeMin", MoveTimeMin);
    AddProperty("MoveTimeMax", MoveTimeMax);
    AddProperty("MoveSpeedMin", MoveSpeedMin);
    AddProperty("MoveSpeedMax", MoveSpeedMax);
    AddProperty("TurnImpulseMax", TurnImpulseMax);
    AddProperty("TurnInterval", TurnInterval);
    AddProperty("TurnLitIncrease", TurnLitIncrease);
    AddProperty("TurnAwaySpeed", TurnAwaySpeed);
    AddProperty("TurnAwayTimeMin", TurnAwayTimeMin);
    AddProperty("TurnAwayTimeMax", TurnAwayTimeMax);
    AddProperty("TurnAwayWaitMin", TurnAwayWaitMin);
    AddProperty("TurnAwayWaitMax", TurnAwayWaitMax);
    AddProperty("SeedOffset", SeedOffset);
    AddProperty("EatIdlesMin", EatIdlesMin);
    AddProperty("EatIdlesMax", EatIdlesMax);
    AddProperty("VaginaOffset", VaginaOffset);
    AddProperty("BirthTimeMin", BirthTimeMin);
    AddProperty("BirthTimeMax", BirthTimeMax);
    AddProperty("GrowTime", GrowTime);
    AddProperty("NewbornSize", NewbornSize);
    AddProperty("InitialHealth", InitialHealth);
    AddProperty("Health", Health);
    AddProperty("SizzleThreshold", SizzleThreshold);
    AddProperty("BurnThreshold", BurnThreshold);
    AddProperty("BurnTimeMin", BurnTimeMin);
    AddProperty("BurnTimeMax", BurnTimeMax);
}

En_AntBhv::~En_AntBhv() {
    fire_.PutOut();
}

void En_AntBhv::Start() {
    Health = InitialHealth;
    // The handlers hold the ant weakly: a fixture may outlive it (the behaviour
    // removed alone, or deleted first as the object goes, last component first).
    const WeakHandle<En_AntBhv> self = this;
    if (B2FixtureComponent* body = NthFixture(*Owner(), 0)) {
        body->BeginContactHandler = [self](b2Contact* contact, b2Fixture* other) {
            if (En_AntBhv* ant = self.Get()) ant->OnBodyContact(contact, other);
        };
    }
    if (B2FixtureComponent* feeler = NthFixture(*Owner(), 1)) {
        feeler->BeginContactHandler = [self](b2Contact* contact, b2Fixture* other) {
            if (En_AntBhv* ant = self.Get()) ant->OnFeelerContact(contact, other);
        };
    }
    StartCoroutine(&En_AntBhv::Wander);
}

b2Body* En_AntBhv::Body() const {
    return B2Body() != nullptr ? B2Body()->ExistingBody() : nullptr;
}

void En_AntBhv::Play(const std::string& animation) const {
    if (AnimationBhv* player = Animation()) {
        player->PlayAnimation(animation);
    }
}

void En_AntBhv::PlayIdleAnimation() const {
    Play(CarryingSeed ? "AntStill" : "AntIdle");
}

// ---- Update ----

void En_AntBhv::Update() {
    JoinPendingSeed();
    IgniteTouchedAnts();
    b2Body* body = Body();
    if (body == nullptr) {
        return;
    }
    fire_.Follow(Vector2(body->GetPosition().x, body->GetPosition().y));
    switch (State) {
        case AntGestating:
            if (IsBurning()) {
                State = AntWalking;
                Play("AntWalk");
            } else {
                body->SetLinearVelocity(b2Vec2_zero);
                body->SetAngularVelocity(0.0f);
                StartCoroutine(&En_AntBhv::GiveBirth);
            }
            break;
        case AntGrowing:
            Grow(*body);
            break;
        default:
            TurnAwayFromLeftoverObstacle();
            Move(*body);
            break;
    }
}

// A begin-contact comes once: a feeler still in a wall when the ant walks again (the
// back-off did not clear it, or it touched while the ant grew) would otherwise press
// into the wall for good.
void En_AntBhv::TurnAwayFromLeftoverObstacle() {
    if (State != AntWalking) {
        return;
    }
    const B2FixtureComponent* feeler = NthFixture(*Owner(), 1);
    const b2Body* body = Body();
    if (feeler == nullptr || feeler->Fixture() == nullptr || body == nullptr) {
        return;
    }
    for (const b2ContactEdge* edge = body->GetContactList(); edge != nullptr; edge = edge->next) {
        b2Contact* contact = edge->contact;
        b2Fixture* other = contact->GetFixtureA() == feeler->Fixture() ? contact->GetFixtureB()
                           : contact->GetFixtureB() == feeler->Fixture() ? contact->GetFixtureA()
                                                                         : nullptr;
        if (other != nullptr && contact->IsTouching() && !other->IsSensor() && !IsJoinedTo(*other->GetBody())) {
            TurnAwayFrom(contact, *other);
            return;
        }
    }
}

bool En_AntBhv::IsJoinedTo(const b2Body& other) const {
    for (const b2JointEdge* edge = Body()->GetJointList(); edge != nullptr; edge = edge->next) {
        if (edge->other == &other) {
            return true;
        }
    }
    return false;
}

// Velocity writes on a static body do nothing (Box2D ignores them).
void En_AntBhv::Move(b2Body& body) {
    const Vector2 forward = Forward(body.GetAngle());
    switch (State) {
        case AntWalking:
            body.SetLinearVelocity(b2Vec2(forward.x * Speed, forward.y * Speed));
            break;
        case AntBackingOff:
            body.SetLinearVelocity(b2Vec2(-forward.x, -forward.y));
            body.SetAngularVelocity(TurnAwayRate);
            break;
        default:  // idle, halted
            body.SetLinearVelocity(b2Vec2_zero);
            body.SetAngularVelocity(0.0f);
            break;
    }
}

void En_AntBhv::Grow(b2Body& body) {
    body.SetLinearVelocity(b2Vec2_zero);
    body.SetAngularVelocity(0.0f);
    GrowElapsed += Engine::FrameTime != nullptr ? Engine::FrameTime->DeltaSeconds : 0.0f;
    float x = GrowTime > 0.0f ? GrowElapsed / GrowTime : 1.0f;
    if (x > 1.0f) {
        x = 1.0f;
        State = AntIdle;
    }
    if (SpriteComponent* sprite = Sprite()) {
        sprite->Size = Ease(EaseOut, x, NewbornSize, AdultSize);
    }
}

// ---- Wandering and steering ----

CoCommand En_AntBhv::Wander(int resumePoint) {
    COROUTINE_IDENTITY(resumePoint);
    switch (resumePoint) {
        case 0:
            State = AntIdle;
            EatStep();
            PlayIdleAnimation();
            StopCoroutine(&En_AntBhv::Steer);
            return CoCommand::WaitSeconds(Draw(IdleTimeMin, IdleTimeMax));
        case 1:
            State = AntWalking;
            Play("AntWalk");
            StartCoroutine(&En_AntBhv::Steer);
            Speed = Draw(MoveSpeedMin, MoveSpeedMax);
            return CoCommand::WaitSeconds(Draw(MoveTimeMin, MoveTimeMax));
        default:
            return CoCommand::Restart();
    }
}

CoCommand En_AntBhv::Steer(int resumePoint) {
    COROUTINE_IDENTITY(resumePoint);
    switch (resumePoint) {
        case 0:
            return CoCommand::WaitSeconds(TurnInterval);
        default:
            ApplySteeringImpulse();
            return CoCommand::Restart();
    }
}

// Scaled by the mass rather than the inertia, so heavier ants turn alike; a body
// without mass (static) takes no impulse.
void En_AntBhv::ApplySteeringImpulse() {
    b2Body* body = Body();
    if (body == nullptr || body->GetMass() <= 0.0f) {
        return;
    }
    if (!LightToolInUse()) {
        body->ApplyAngularImpulse(Draw(-TurnImpulseMax, TurnImpulseMax) / body->GetMass(), true);
        return;
    }
    const float e = TurnImpulseMax > 0.0f ? Draw(0.0f, TurnImpulseMax) : 0.0f;
    const float w = TurnLitIncrease * e / body->GetMass();
    const b2Vec2 at = body->GetPosition();
    const Vector2 toMouse = Engine::InputManager->CursorInWorld() - Vector2(at.x, at.y);
    const float delta = AngleTowards(body->GetAngle() + kPi / 2.0f, toMouse);
    body->ApplyAngularImpulse(delta < 0.0f ? -w : w, true);
}

// ---- Contacts (inside the physics step: record only) ----

void En_AntBhv::OnFeelerContact(b2Contact* contact, b2Fixture* other) {
    if (State == AntGestating || State == AntGrowing || other == nullptr) {
        return;
    }
    if (B2FixtureComponent* touched = FixtureComponentOf(other); touched != nullptr && touched->Owner() != nullptr) {
        if (touched->Owner()->GetComponent<SeedBhv>() != nullptr && !pendingJoint_) {
            RecordSeed(*touched->Owner(), *other);
        }
        RecordIgnition(*touched->Owner());
    }
    TurnAwayFrom(contact, *other);
}

void En_AntBhv::TurnAwayFrom(b2Contact* contact, const b2Fixture& obstacle) {
    const b2Body* body = Body();
    const float side = body != nullptr ? body->GetLocalPoint(TouchPoint(contact, obstacle, *body)).x : 0.0f;
    TurnAwayRate = side > 0.0f ? TurnAwaySpeed : -TurnAwaySpeed;
    StopCoroutine(&En_AntBhv::Wander);
    StopCoroutine(&En_AntBhv::Steer);
    State = AntHalted;
    StartCoroutine(&En_AntBhv::TurnAway);
}

void En_AntBhv::OnBodyContact(b2Contact*, b2Fixture* other) {
    if (B2FixtureComponent* touched = other != nullptr ? FixtureComponentOf(other) : nullptr;
        touched != nullptr && touched->Owner() != nullptr) {
        RecordIgnition(*touched->Owner());
    }
}

// The weld holds the seed's midpoint anchor at SeedOffset on the ant. Reading
// positions is safe during the step; the joint itself waits for the next Update.
void En_AntBhv::RecordSeed(GameObject& seed, b2Fixture& seedFixture) {
    b2Body* ant = Body();
    if (ant == nullptr) {
        return;
    }
    b2Body* seedBody = seedFixture.GetBody();
    PendingJoint pending;
    pending.Definition.Initialize(ant, seedBody, 0.5f * (ant->GetPosition() + seedBody->GetPosition()));
    pending.Definition.localAnchorA.Set(SeedOffset.x, SeedOffset.y);
    pending.Seed = &seed;
    pendingJoint_ = std::move(pending);
    CarryingSeed = true;
    EatIdlesLeft = DrawCount(EatIdlesMin, EatIdlesMax);
}

void En_AntBhv::RecordIgnition(GameObject& touched) {
    if (!IsBurning()) {
        return;
    }
    if (auto* ant = touched.GetComponent<En_AntBhv>(); ant != nullptr && ant != this) {
        antsToIgnite_.emplace_back(ant);
    }
}

// Dropped when the seed, its body or the ant's body went since the contact.
void En_AntBhv::JoinPendingSeed() {
    if (!pendingJoint_) {
        return;
    }
    const PendingJoint pending = std::move(*pendingJoint_);
    pendingJoint_.reset();
    const GameObject* seed = pending.Seed.Get();
    const b2Body* seedBody = seed != nullptr && seed->B2Body() != nullptr ? seed->B2Body()->ExistingBody() : nullptr;
    b2Body* ant = Body();
    if (ant == nullptr || ant != pending.Definition.bodyA || seedBody != pending.Definition.bodyB ||
        seed->IsQueuedForDeletion()) {
        CarryingSeed = !JoinedObjects().empty();
        return;
    }
    ant->GetWorld()->CreateJoint(&pending.Definition);
}

void En_AntBhv::IgniteTouchedAnts() {
    std::vector<WeakHandle<En_AntBhv>> touched;
    touched.swap(antsToIgnite_);
    for (const WeakHandle<En_AntBhv>& ant : touched) {
        if (En_AntBhv* other = ant.Get()) {
            other->Ignite();
        }
    }
}

CoCommand En_AntBhv::TurnAway(int resumePoint) {
    COROUTINE_IDENTITY(resumePoint);
    switch (resumePoint) {
        case 0:
            PlayIdleAnimation();
            return CoCommand::WaitSeconds(Draw(TurnAwayTimeMin, TurnAwayTimeMax));
        case 1:
            Play("AntWalk");
            State = AntBackingOff;
            return CoCommand::WaitSeconds(Draw(TurnAwayTimeMin, TurnAwayTimeMax));
        default:
            StartCoroutine(&En_AntBhv::Wander);
            return CoCommand::Stop();
    }
}

// ---- Eating, birth and growth ----

std::vector<GameObject*> En_AntBhv::JoinedObjects() const {
    std::vector<GameObject*> joined;
    const b2Body* body = Body();
    if (body == nullptr) {
        return joined;
    }
    for (const b2JointEdge* edge = body->GetJointList(); edge != nullptr; edge = edge->next) {
        auto* other = reinterpret_cast<B2BodyComponent*>(edge->other->GetUserData().pointer);
        GameObject* object = other != nullptr ? other->Owner() : nullptr;
        if (object != nullptr && std::find(joined.begin(), joined.end(), object) == joined.end()) {
            joined.push_back(object);
        }
    }
    return joined;
}

void En_AntBhv::EatStep() {
    if (!CarryingSeed) {
        return;
    }
    const std::vector<GameObject*> joined = JoinedObjects();
    if (joined.empty()) {
        CarryingSeed = false;  // the seed went
        return;
    }
    if (--EatIdlesLeft > 0) {
        return;
    }
    for (GameObject* seed : joined) {
        seed->QueueForDeletion();
    }
    PlayCue("AntEating");
    CarryingSeed = false;
    State = AntGestating;
    Play("AntStill");
}

CoCommand En_AntBhv::GiveBirth(int resumePoint) {
    COROUTINE_IDENTITY(resumePoint);
    switch (resumePoint) {
        case 0:
            return CoCommand::WaitSeconds(Draw(BirthTimeMin, BirthTimeMax));
        default: {
            // Without a level there is nowhere to put the newborn: none is made.
            GameplayScreenBhv* screen = Engine::GameplayScreen;
            GameObject* level = screen != nullptr ? screen->FindChild("Level") : nullptr;
            if (level != nullptr) {
                PlaceNewborn(*level);
                screen->SortPending = true;
                PlayCue("AntBirth");
            }
            State = AntWalking;
            Play("AntWalk");
            return CoCommand::Stop();
        }
    }
}

// Behind the mother at VaginaOffset (in her frame), facing away from her.
void En_AntBhv::PlaceNewborn(GameObject& level) {
    const float angle = Owner()->GetRotation();
    auto* newborn = new GameObject("En_Ant");
    level.AddChild(newborn);
    newborn->SetPosition(Owner()->GetPosition() + Rotated(VaginaOffset, angle));
    newborn->SetRotation(angle + kPi);
    if (auto* ant = newborn->GetComponent<En_AntBhv>()) {
        ant->StartGrowing();
    }
}

void En_AntBhv::StartGrowing() {
    State = AntGrowing;
    if (SpriteComponent* sprite = Sprite()) {
        AdultSize = sprite->Size;
        sprite->Size = NewbornSize;
    }
    GrowElapsed = 0.0f;
    Play("AntIdle");
    SpawnParticle("Pcl_SparkleBurst", Owner()->GetPosition());
}

// ---- Damage and fire ----

void En_AntBhv::TakeDamage(float amount) {
    const float before = Health;
    Health -= amount;
    if (before > SizzleThreshold && SizzleThreshold >= Health) {
        StartCoroutine(&En_AntBhv::SmokeAWhile);
        PlayCue("Sizzle");
    }
    if (before > BurnThreshold && Health <= BurnThreshold) {
        Ignite();
    }
}

void En_AntBhv::Ignite() {
    if (Owner() != nullptr && fire_.Ignite(*Owner())) {
        StartCoroutine(&En_AntBhv::Burn);
    }
}

CoCommand En_AntBhv::SmokeAWhile(int resumePoint) {
    COROUTINE_IDENTITY(resumePoint);
    switch (resumePoint) {
        case 0:
            fire_.StartSizzleSmoke(Owner()->GetPosition());
            return CoCommand::WaitSeconds(1.0f);
        default:
            fire_.EndSizzleSmoke();
            return CoCommand::Stop();
    }
}

CoCommand En_AntBhv::Burn(int resumePoint) {
    COROUTINE_IDENTITY(resumePoint);
    switch (resumePoint) {
        case 0:
            return CoCommand::WaitSeconds(Draw(BurnTimeMin, BurnTimeMax));
        default:
            StartCoroutine(&En_AntBhv::Die);
            return CoCommand::Stop();
    }
}

CoCommand En_AntBhv::Die(int resumePoint) {
    COROUTINE_IDENTITY(resumePoint);
    Owner()->QueueForDeletion();
    return CoCommand::Stop();
}
