#pragma once

#include "core/Behavior.h"
#include "core/Vector2.h"
#include "core/WeakHandle.h"
#include "game/AntFire.h"

#include <box2d/b2_weld_joint.h>

#include <optional>
#include <string>
#include <vector>

class b2Body;
class b2Contact;
class b2Fixture;

// What an ant is doing; the wander, turn-away and birth routines move it between them.
enum AntState : int {
    AntIdle = 0,
    AntWalking = 1,
    AntHalted = 2,
    AntBackingOff = 3,
    AntGestating = 4,
    AntGrowing = 5,
};

// An ant ("En_Ant"): wanders in idle and walking phases, steers with small random
// angular impulses (toward the mouse while the light tool is in use), backs off when
// its feeler (the object's second fixture component) touches something (again when it
// walks with the feeler still touching, turning the short way off it), carries a
// seed it touches, eats it over a few idle phases and gives birth; the magnifying
// glass hurts it until it smokes, burns, sets the ants it touches on fire and dies.
// It moves only through its body's velocities and impulses.
//
// Contact handlers run inside the physics step, where nothing may be made, moved or
// joined: they only record, and the next Update joins the seed and ignites the ants
// touched.
class En_AntBhv : public Behavior {
public:
    En_AntBhv();
    ~En_AntBhv() override;

    void Start() override;
    void Update() override;

    // From the magnifying glass: smokes at SizzleThreshold, catches fire at BurnThreshold.
    void TakeDamage(float amount);
    // Catches fire unless it burns already or AntFire::MaxBurningAnts ants do.
    void Ignite();
    // On a newborn: shrinks its sprite to NewbornSize and grows it back over GrowTime.
    void StartGrowing();

    void OnFeelerContact(b2Contact* contact, b2Fixture* other);
    void OnBodyContact(b2Contact* contact, b2Fixture* other);

    bool IsBurning() const { return fire_.IsBurning(); }
    const AntFire& Fire() const { return fire_; }
    bool HasPendingJoint() const { return pendingJoint_.has_value(); }

    float IdleTimeMin = 0.0f;
    float IdleTimeMax = 0.0f;
    float MoveTimeMin = 0.0f;
    float MoveTimeMax = 0.0f;
    float MoveSpeedMin = 0.0f;
    float MoveSpeedMax = 0.0f;
    float TurnImpulseMax = 0.0f;
    float TurnInterval = 0.0f;
    float TurnLitIncrease = 0.0f;
    float TurnAwaySpeed = 0.0f;
    float TurnAwayTimeMin = 0.0f;
    float TurnAwayTimeMax = 0.0f;
    float TurnAwayWaitMin = 0.0f;  // kept for the editor; nothing reads them
    float TurnAwayWaitMax = 0.0f;
    Vector2 SeedOffset;
    int EatIdlesMin = 0;
    int EatIdlesMax = 0;
    Vector2 VaginaOffset;
    float BirthTimeMin = 0.0f;
    float BirthTimeMax = 0.0f;
    float GrowTime = 0.0f;
    Vector2 NewbornSize{0.1f, 0.1f};
    float InitialHealth = 0.0f;
    float Health = 0.0f;
    float SizzleThreshold = 0.0f;
    float BurnThreshold = 0.0f;
    float BurnTimeMin = 0.0f;
    float BurnTimeMax = 0.0f;

    int State = AntIdle;
    float Speed = 0.0f;
    float TurnAwayRate = 0.0f;
    bool CarryingSeed = false;
    int EatIdlesLeft = 0;
    Vector2 AdultSize;
    float GrowElapsed = 0.0f;

private:
    // A seed touched by the feeler, welded on at the next Update.
    struct PendingJoint {
        b2WeldJointDef Definition;
        WeakHandle<GameObject> Seed;
    };

    void AddProperties();
    b2Body* Body() const;
    void Play(const std::string& animation) const;
    void PlayIdleAnimation() const;

    CoCommand Wander(int resumePoint);
    CoCommand Steer(int resumePoint);
    CoCommand TurnAway(int resumePoint);
    CoCommand GiveBirth(int resumePoint);
    CoCommand SmokeAWhile(int resumePoint);
    CoCommand Burn(int resumePoint);
    CoCommand Die(int resumePoint);

    void ApplySteeringImpulse();
    void TurnAwayFrom(b2Contact* contact, const b2Fixture& obstacle);
    void TurnAwayFromLeftoverObstacle();
    bool IsJoinedTo(const b2Body& other) const;
    void Move(b2Body& body);
    void Grow(b2Body& body);
    void EatStep();
    std::vector<GameObject*> JoinedObjects() const;
    void PlaceNewborn(GameObject& level);

    void RecordSeed(GameObject& seed, b2Fixture& seedFixture);
    void RecordIgnition(GameObject& touched);
    void JoinPendingSeed();
    void IgniteTouchedAnts();

    AntFire fire_;
    std::optional<PendingJoint> pendingJoint_;
    std::vector<WeakHandle<En_AntBhv>> antsToIgnite_;
};
