#pragma once

#include "core/Behavior.h"
#include "core/Color.h"

// Makes its object's light flicker: every interval (drawn anew each time between
// IntervalMin and IntervalMax) it picks a new target colour and size and moves the
// tint and the sprite's size linearly from the previous target towards it. The first
// update starts from black and size 0, so a fire light fades in. It also keeps the
// object on its parent's position, so a light placed under a burning object follows it.
class FireLightBhv : public Behavior {
public:
    FireLightBhv();

    void Update() override;

    Color ColorMin{255, 255, 255, 255};
    Color ColorMax{255, 255, 255, 255};
    // Seconds.
    float IntervalMin = 0.1f;
    float IntervalMax = 0.2f;
    // World units, both sides of the sprite.
    float SizeMin = 1.0f;
    float SizeMax = 1.0f;

    // Seconds since the last new target, and the length of the current transition.
    float Elapsed() const { return elapsed_; }
    float Interval() const { return interval_; }

private:
    void PickNewTarget();
    // How far the current transition has come, 0 ... 1.
    float Progress() const;
    void FollowParent();

    float elapsed_ = 0.0f;
    float interval_ = 0.0f;
    float sizeFrom_ = 0.0f;
    float sizeTo_ = 0.0f;
    Color colorFrom_{0, 0, 0, 255};
    Color colorTo_{0, 0, 0, 255};
};
